// The Preview class through IDispatch: pages read from BMP files a Canvas drew, the list's errors
// and texts, and Dialog's in/out placement, with the ids callers use.
#include "output/tests/registered_module.h"

#include "platform/win32/winuser.h"

#include <filesystem>

namespace {

using namespace testing_output;

using automation::Variant;

class PreviewObject : public RegisteredModule {
protected:
    void SetUp() override {
        RegisteredModule::SetUp();
        object = Create<IDispatch>(output::CLSID_Preview, IID_IDispatch);
        ASSERT_NE(object, nullptr);
    }

    // Calls a member whose first argument is the [out] Error and answers that Error.
    std::int32_t CallWithError(DISPID member, std::vector<VARIANT*> arguments) {
        Variant error = Variant::FromInt(-1);
        VARIANT errorOut = automation::ReferenceTo(&error);
        arguments.insert(arguments.begin(), &errorOut);
        EXPECT_EQ(Invoker(object.Get()).Call(member, DISPATCH_METHOD, arguments), S_OK);
        return error->lVal;
    }

    std::int32_t Count() {
        Variant count;
        EXPECT_EQ(Invoker(object.Get())
                      .Call(output::dispidPreviewCount, DISPATCH_PROPERTYGET, {}, &count),
                  S_OK);
        return count->lVal;
    }

    const std::filesystem::path root = testkit::SandboxFolderOfRunningTest();
    automation::InterfacePointer<IDispatch> object;
};

TEST_F(PreviewObject, PagesFromFilesAndTheListsErrors) {
    auto canvas = Create<output::ICanvas>(output::CLSID_Canvas, output::IID_ICanvas);
    ASSERT_NE(canvas, nullptr);
    canvas->PutText(*Variant::FromText("page"));
    Variant error;
    // "\" separates folders in the names callers give; the preview reads the name + ".BMP".
    Variant name = Variant::FromText(root.string() + "\\page");
    canvas->Draw(&error, *Variant::FromInt(1), &name, *Variant::FromInt(1));
    ASSERT_EQ(error->lVal, 0);
    std::filesystem::rename(root / "page.bmp", root / "page.BMP");

    auto fromFile = Variant::FromInt(1);
    auto missing = Variant::FromText(root.string() + "\\missing");
    auto badFormat = Variant::FromInt(7);
    EXPECT_EQ(CallWithError(output::dispidPreviewAdd, {&name, &fromFile}), 0);
    EXPECT_EQ(CallWithError(output::dispidPreviewAdd, {&missing, &fromFile}), 3011);
    EXPECT_EQ(CallWithError(output::dispidPreviewAdd, {&name, &badFormat}), 3001);
    auto beyond = Variant::FromInt(2);
    EXPECT_EQ(CallWithError(output::dispidPreviewInsert, {&beyond, &name, &fromFile}), 3031);
    EXPECT_EQ(Count(), 1);

    auto first = Variant::FromInt(0);
    Variant handle = Variant::FromInt(99);
    VARIANT handleOut = automation::ReferenceTo(&handle);
    EXPECT_EQ(CallWithError(output::dispidPreviewGet, {&first, &handleOut}), 0);
    EXPECT_EQ(handle->vt, VT_I4);
    EXPECT_NE(handle->lVal, 0);
    auto before = Variant::FromInt(-1);
    Variant untouched = Variant::FromInt(99);
    VARIANT untouchedOut = automation::ReferenceTo(&untouched);
    EXPECT_EQ(CallWithError(output::dispidPreviewGet, {&before, &untouchedOut}), 3031);
    EXPECT_EQ(untouched->lVal, 99);

    auto code = Variant::FromInt(3031);
    Variant message;
    VARIANT messageOut = automation::ReferenceTo(&message);
    EXPECT_EQ(
        Invoker(object.Get()).Call(output::dispidErrorText, DISPATCH_METHOD, {&code, &messageOut}),
        S_OK);
    EXPECT_EQ(TextOf(*message), "Invalid image index.");
}

TEST_F(PreviewObject, DialogGivesBackTheWindowsPlacement) {
    auto noWindow = Variant::FromInt(0x7654);
    EXPECT_EQ(CallWithError(output::dispidPreviewOpen, {&noWindow}), 3021);

    auto caption = Variant::FromText("Pages");
    Variant x = Variant::FromInt(10);
    Variant y = Variant::FromInt(20);
    Variant width = Variant::FromText("50");
    Variant height = Variant::FromInt(60);
    VARIANT xOut = automation::ReferenceTo(&x);
    VARIANT yOut = automation::ReferenceTo(&y);
    VARIANT widthOut = automation::ReferenceTo(&width);
    VARIANT heightOut = automation::ReferenceTo(&height);
    EXPECT_EQ(CallWithError(output::dispidPreviewDialog,
                            {&noWindow, &caption, &xOut, &yOut, &widthOut, &heightOut}),
              3021);
    EXPECT_EQ(TextOf(*width), "50") << "handed back unchanged";

    // A quit waiting in the queue ends the dialog at once and stays queued for the caller.
    PostQuitMessage(0);
    auto desktop = Variant::FromInt(0);
    EXPECT_EQ(CallWithError(output::dispidPreviewDialog,
                            {&desktop, &caption, &xOut, &yOut, &widthOut, &heightOut}),
              0);
    EXPECT_EQ(x->lVal, 10);
    EXPECT_EQ(y->lVal, 20);
    EXPECT_EQ(width->vt, VT_I4);
    EXPECT_EQ(width->lVal, 128);
    EXPECT_EQ(height->lVal, 196);
    MSG message{};
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, UINT{WM_QUIT});
}

} // namespace
