// The reports' pictures, logos and graph decoded once and kept until what they were decoded from
// changes.
#include "program/report/compose/src/report_pictures.h"

#include "program/report/report_error.h"

#include "platform/testing/file_contents.h"
#include "platform/testing/outside_tool.h"
#include "platform/testing/sandbox.h"
#include "platform/zip/zip_archive.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using namespace compose;

namespace fs = std::filesystem;

class ReportPicturesTest : public ::testing::Test {
protected:
    // A plain picture of `width` x `height` saved by Pillow as `name` and added to the archive.
    void AddPicture(const std::string& name, int width, int height) {
        const fs::path file = sandbox_.Root() / "members" / name;
        fs::create_directories(file.parent_path());
        const testkit::ToolRun run = testkit::RunTool(
            {testkit::kSystemPython, "-c",
             "import sys\nfrom PIL import Image\nImage.new('RGB', (" + std::to_string(width) +
                 ", " + std::to_string(height) + "), (40, 90, 160)).save(sys.argv[1])\n",
             file.string()});
        ASSERT_EQ(run.exitStatus, 0) << run.errors;
        Add(file);
    }
    void Add(const fs::path& file) {
        ASSERT_EQ(archive::AddFile(archive_, file, archive::kResourcePassword),
                  archive::ZipResult::Success);
    }

    testkit::Sandbox sandbox_;
    const fs::path archive_ = sandbox_.Root() / "Tallowmere.icf";
    ReportPictures pictures_;
};

TEST_F(ReportPicturesTest, APictureIsDecodedOnceUntilItsMemberChanges) {
    ASSERT_NO_FATAL_FAILURE(AddPicture("100side.bmp", 60, 90));
    pictures_.Open(archive_);
    const printdoc::Picture* first = pictures_.Picture("100side.bmp");
    ASSERT_NE(first, nullptr);
    const std::uint32_t* decoded = first->Pixels().data();
    EXPECT_EQ(pictures_.Picture("100side.bmp")->Pixels().data(), decoded);
    EXPECT_EQ(pictures_.Picture("Wrenpic.jpg"), nullptr);

    ASSERT_NO_FATAL_FAILURE(AddPicture("100side.bmp", 30, 20));
    pictures_.Open(archive_);
    const printdoc::Picture* changed = pictures_.Picture("100side.bmp");
    ASSERT_NE(changed, nullptr);
    EXPECT_EQ(changed->PixelWidth(), 30);
    EXPECT_EQ(changed->PixelHeight(), 20);
}

TEST_F(ReportPicturesTest, ALogoIsDecodedOnceAndADamagedPlacementIsRefusedEachTime) {
    ASSERT_NO_FATAL_FAILURE(AddPicture("StretchLogo.gif", 90, 30));
    pictures_.Open(archive_);
    EXPECT_EQ(pictures_.LogoNamed("StretchLogo"), nullptr); // no placement yet
    ASSERT_NO_FATAL_FAILURE(Add(sandbox_.WriteFile("members/StretchLogo.txt", "0, 0")));
    pictures_.Open(archive_);
    for (int attempt = 0; attempt < 2; ++attempt) {
        SCOPED_TRACE(attempt);
        EXPECT_THROW(pictures_.LogoNamed("StretchLogo"), report::ReportError);
    }
    ASSERT_NO_FATAL_FAILURE(Add(sandbox_.WriteFile("members/StretchLogo.txt", "0, 0, 720, 0")));
    pictures_.Open(archive_);
    const ReportPictures::Logo* logo = pictures_.LogoNamed("StretchLogo");
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->placement.height, 720);
    EXPECT_EQ(pictures_.LogoNamed("StretchLogo")->picture.Pixels().data(),
              logo->picture.Pixels().data());
}

TEST_F(ReportPicturesTest, TheGraphIsDecodedOnceForEachGraphDrawn) {
    ASSERT_NO_FATAL_FAILURE(AddPicture("RMDGraph.bmp", 64, 48));
    const std::string bytes = testkit::ReadFileBytes(sandbox_.Root() / "members" / "RMDGraph.bmp");
    const report::GraphPicture drawn = std::make_shared<const std::string>(bytes);
    // A copy shares the decoded pixels and keeps them.
    const printdoc::Picture first = pictures_.Graph(drawn);
    const std::uint32_t* decoded = first.Pixels().data();
    EXPECT_EQ(pictures_.Graph(drawn).Pixels().data(), decoded);
    EXPECT_EQ(pictures_.Graph(drawn).PixelWidth(), 64);
    // Another drawing is decoded anew.
    const report::GraphPicture again = std::make_shared<const std::string>(bytes);
    EXPECT_NE(pictures_.Graph(again).Pixels().data(), decoded);
}

} // namespace
