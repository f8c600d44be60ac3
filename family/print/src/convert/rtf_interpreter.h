// Applying a template's control words to the formatting state, group by group, until a piece of
// content the layout must act on: a word of text, a paragraph, line, page or section end, a tab,
// a header or footer group, a margin, a picture, a drawn object's end or the document's end.
#pragma once

#include "family/print/src/convert/format_state.h"
#include "family/print/src/convert/rtf_picture.h"
#include "family/print/src/convert/rtf_tokenizer.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace pressel {

// The code with which a picture group ends the interpretation.
inline constexpr int kRtfPictureDone = 100;

class RtfInterpreter {
public:
    static constexpr int kMaxSavedGroups = 10;

    explicit RtfInterpreter(RtfTokenizer& tokenizer) : tokenizer_(tokenizer) {}

    // Reads tokens of at most bufferLength - 1 characters, applies them to `state`, and answers
    // the code of the token that stops it; `text` then holds that token's text.
    int Interpret(std::size_t bufferLength, FormatState& state, std::string& text);

    // Group levels saved now, 0..10.
    int Level() const { return level_; }
    // The template offset of the last opening brace read.
    std::int64_t LastGroupOpenOffset() const { return lastGroupOpenOffset_; }

    // The bitmap of the picture group that ended the last interpretation, or null; a bitmap
    // not taken is deleted when the next picture is read or the interpreter ends.
    OwnedBitmap TakePicture() { return std::move(picture_); }
    // Called while a long picture's data are read, so that the reader can report its progress.
    void SetPictureProgress(std::function<void()> progress) {
        pictureProgress_ = std::move(progress);
    }

private:
    struct SavedGroup {
        ParagraphFormat paragraph;
        CharacterFormat character;
    };

    void OpenGroup(const FormatState& state);
    void CloseGroup(FormatState& state);
    // Reads up to the brace that closes the group being read, and forgets its level.
    void SkipGroup();
    // Reads up to the next closing brace, whatever comes before it.
    void SkipToGroupClose();
    void ReadPicture(FormatState& state);
    void Apply(const RtfToken& token, FormatState& state);
    void ApplyDrawing(const RtfToken& token, DrawingObject& object);

    RtfTokenizer& tokenizer_;
    std::array<SavedGroup, kMaxSavedGroups> saved_{};
    int level_ = 0;
    // Groups opened beyond the saved levels; their closing braces restore nothing.
    int unsavedGroups_ = 0;
    std::int64_t lastGroupOpenOffset_ = 0;
    OwnedBitmap picture_;
    std::function<void()> pictureProgress_;
};

} // namespace pressel
