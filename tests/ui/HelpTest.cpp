// Help contents and index with the fallback to the compiled help document, and Exit.
#include "tests/ui/FormFixture.h"

#include <QCoreApplication>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

class HelpTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        startDir_ = fs::current_path();
        programDir_ = fs::path(QCoreApplication::applicationDirPath().toStdString());
        document_ = programDir_ / "Pixolen.chm";
        ASSERT_FALSE(fs::exists(document_)) << "left over from an earlier run: " << document_;
        fs::current_path(fs::temp_directory_path()); // anywhere but the program's folder
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove(document_, ignored);
        fs::current_path(startDir_);
        FormTest::TearDown();
    }
    void PutDocumentBesideTheProgram() { std::ofstream(document_) << "help"; }

    fs::path startDir_, programDir_, document_;
};

// One test only touches the document beside the program: test processes may run side by side.
TEST_F(HelpTest, ContentsFallsBackInOrderAndIndexNeverOpensTheDocument)
{
    struct Case { bool beside; const char* opened; };
    for (Case c : {Case{true, "Pixolen.chm"}, Case{false, "../../Pixolen.chm"}}) {
        if (c.beside) PutDocumentBesideTheProgram();
        else fs::remove(document_);
        fs::current_path(fs::temp_directory_path());
        dialogs->OpenedDocuments.clear();
        form->HelpContents.Execute();
        EXPECT_EQ(dialogs->OpenedDocuments, std::vector<std::string>{c.opened});
        EXPECT_EQ(fs::current_path(), programDir_) << "the program's folder stays current";
    }

    PutDocumentBesideTheProgram();
    fs::current_path(fs::temp_directory_path());
    dialogs->OpenedDocuments.clear();
    form->HelpIndex.Execute();
    EXPECT_TRUE(dialogs->OpenedDocuments.empty());
    EXPECT_EQ(fs::current_path(), fs::temp_directory_path());
    EXPECT_TRUE(dialogs->Messages.empty()) << "nothing is reported";
}

using HelpExitTest = FormTest;

TEST_F(HelpExitTest, ExitClosesTheWindowLikeItsCloseButton)
{
    ASSERT_TRUE(form->isVisible());
    form->FileExit.Execute();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->StopRequest); // the close handler ran
}
