// Reads arbitrary bytes as an illustration file: every record is loaded into a fresh
// illustration and, when it is accepted, built again with the choices it gave; the bytes are also
// read as the representative's record. Each must answer without crashing, whatever the bytes.
#include "program/store/illustration_file.h"
#include "program/store/illustration_record.h"
#include "program/store/rep_info_record.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace fs = std::filesystem;

namespace {

class SilentMessages : public forms::MessageBoxService {
public:
    int ShowMessageBox(const forms::MessageBoxRequest& request) override {
        return request.Answers().front();
    }
    void Beep() override {}
};

// One data folder for the whole run, in the temporary folder.
const fs::path& DataFolder() {
    static const fs::path kFolder = [] {
        std::string pattern = (fs::temp_directory_path() / "tallowmere-store-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        setenv("TALLOWMERE_DATA_DIR", pattern.c_str(), 1);
        setenv("TALLOWMERE_INSTALL_DIR", pattern.c_str(), 1);
        return fs::path(pattern);
    }();
    return kFolder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DataFolder();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream(store::IllustrationFilePath(), std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

    SilentMessages messages;
    for (const std::string& record : store::ReadIllustrationRecords()) {
        illustration::IllustrationType type = illustration::IllustrationType::None;
        illustration::IllustrationFields fields;
        bool saved = false;
        store::CurrentIllustration current{type, fields, saved};
        if (const auto loaded = store::DecodeRecord(record, current, messages)) {
            store::EncodeRecord(type, fields, *loaded);
        }
    }
    // A representative record the check takes is read back field for field as it was written.
    if (store::IsSoundRepInfoRecord(bytes)) {
        const store::RepInfoFields fields = store::RepRecordToForm(bytes);
        if (store::RepRecordToForm(store::RepFormToRecord(fields)) != fields) {
            std::abort();
        }
    }
    store::RepRecordToForm(bytes);
    return 0;
}
