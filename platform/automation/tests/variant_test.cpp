#include "platform/automation/variant.h"

#include "platform/automation/interfaces.h"
#include "platform/automation/text.h"

#include <gtest/gtest.h>

namespace {

// An object that only counts its references.
struct CountedObject final : IUnknown {
    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    std::uint32_t AddRef() override { return ++references; }
    std::uint32_t Release() override { return --references; }
    std::uint32_t references = 1;
};

TEST(Variant, CopyOwnsItsTextAndClearFreesIt) {
    automation::Variant source;
    source->vt = VT_BSTR;
    source->bstrVal = automation::BstrFromText("Stretch.rtf");

    automation::Variant copy;
    ASSERT_EQ(VariantCopy(&copy, &source), S_OK);
    ASSERT_EQ(copy->vt, VT_BSTR);
    EXPECT_NE(copy->bstrVal, source->bstrVal);
    EXPECT_EQ(automation::TextFromBstr(copy->bstrVal), "Stretch.rtf");

    // Copying over a text frees the old one (checked by the leak checker of the sanitizer build).
    ASSERT_EQ(VariantCopy(&copy, &source), S_OK);
    EXPECT_EQ(VariantClear(&copy), S_OK);
    EXPECT_EQ(copy->vt, VT_EMPTY);
}

TEST(Variant, ObjectReferencesAreCountedAndByReferenceValuesOwnNothing) {
    CountedObject object;
    VARIANT held;
    VariantInit(&held);
    held.vt = VT_UNKNOWN;
    held.punkVal = &object;

    VARIANT copy;
    VariantInit(&copy);
    ASSERT_EQ(VariantCopy(&copy, &held), S_OK);
    EXPECT_EQ(object.references, 2u);
    EXPECT_EQ(VariantClear(&copy), S_OK);
    EXPECT_EQ(object.references, 1u);

    BSTR callerText = automation::BstrFromText("caller's");
    VARIANT reference;
    VariantInit(&reference);
    reference.vt = VT_BYREF | VT_BSTR;
    reference.pbstrVal = &callerText;
    EXPECT_EQ(VariantClear(&reference), S_OK);
    EXPECT_EQ(automation::TextFromBstr(callerText), "caller's");
    SysFreeString(callerText);
}

TEST(Variant, UnknownTypesAreRefused) {
    const VARTYPE types[] = {0x0040, VT_BYREF | VT_EMPTY, VT_VARIANT, VT_I4 | 0x2000};
    for (const VARTYPE type : types) {
        SCOPED_TRACE(type);
        VARIANT value;
        VariantInit(&value);
        value.vt = type;
        VARIANT copy;
        VariantInit(&copy);
        EXPECT_EQ(VariantCopy(&copy, &value), DISP_E_BADVARTYPE);
        EXPECT_EQ(VariantClear(&value), DISP_E_BADVARTYPE);
        EXPECT_EQ(copy.vt, VT_EMPTY);
    }
}

TEST(Variant, MadeFromValuesAndMovedWithoutCopying) {
    auto text = automation::Variant::FromText("Caf\xE9");
    ASSERT_EQ(text->vt, VT_BSTR);
    EXPECT_EQ(automation::TextFromBstr(text->bstrVal), "Caf\xE9");
    EXPECT_EQ(automation::Variant::FromInt(-7)->lVal, -7);
    EXPECT_EQ(automation::Variant::FromDouble(0.5)->dblVal, 0.5);
    EXPECT_EQ(automation::Variant::FromBool(true)->boolVal, VARIANT_TRUE);
    EXPECT_EQ(automation::Variant::FromBool(false)->vt, VT_BOOL);

    // The text moves with the value and is freed once (the sanitizer build checks both).
    const BSTR owned = text->bstrVal;
    automation::Variant moved = std::move(text);
    EXPECT_EQ(moved->bstrVal, owned);
    EXPECT_EQ(text->vt, VT_EMPTY);
    moved = automation::Variant::FromInt(1);
    EXPECT_EQ(moved->vt, VT_I4);

    automation::Variant target;
    const VARIANT reference = automation::ReferenceTo(&target);
    EXPECT_EQ(reference.vt, VT_BYREF | VT_VARIANT);
    EXPECT_EQ(reference.pvarVal, &target);
}

} // namespace
