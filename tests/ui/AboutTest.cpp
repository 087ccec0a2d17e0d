// The about box: its texts and layout, its icon, and how it opens and closes.
#include "tests/ui/FormFixture.h"

#include "app/AboutBox.h"

#include <QFrame>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>
#include <set>

class AboutTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        about = new TAboutBox(form.get());
        form->AboutBox = about;
    }

    // Shows the box modally through the command; `whileOpen` runs inside and must close it.
    void OpenAbout(std::function<void()> whileOpen)
    {
        bool ran = false;
        QTimer::singleShot(0, about, [&] {
            ran = true;
            whileOpen();
        });
        form->HelpAbout.Execute();
        EXPECT_TRUE(ran);
        EXPECT_FALSE(about->isVisible());
    }

    TAboutBox* about = nullptr;
};

TEST_F(AboutTest, TextsAndLayout)
{
    EXPECT_EQ(about->windowTitle(), "Pixolenについて");
    EXPECT_EQ(about->size(), QSize(298, 213));
    EXPECT_EQ(about->minimumSize(), about->maximumSize()); // fixed size
    EXPECT_EQ(about->Panel1->geometry(), QRect(8, 8, 281, 161));
    EXPECT_EQ(about->ProgramIcon->geometry(), QRect(8, 8, 65, 57));
    EXPECT_EQ(about->ProgramIcon->parentWidget(), about->Panel1);
    struct Case { QLabel* label; const char* text; QPoint at; };
    for (Case c : {Case{about->ProductName, "Pixolen", {88, 16}}, Case{about->Version, "Version1.02.1", {88, 40}},
                   Case{about->Copyright, "Copyright (C) Pixolen developers", {88, 64}}, Case{about->Comments, "", {8, 104}}}) {
        EXPECT_EQ(c.label->text(), c.text);
        EXPECT_EQ(c.label->pos(), c.at) << c.text;
        EXPECT_EQ(c.label->parentWidget(), about->Panel1);
        EXPECT_LE(c.label->geometry().right(), about->Panel1->width()) << c.text << " fits the panel";
    }
    EXPECT_TRUE(about->Comments->wordWrap());
    EXPECT_EQ(about->OKButton->text(), "OK");
    EXPECT_EQ(about->OKButton->geometry(), QRect(111, 180, 75, 25));
    EXPECT_TRUE(about->OKButton->isDefault());
}

TEST_F(AboutTest, TheIconIsTheNameInColouredCellsOnBlack)
{
    const QImage picture = ProgramPicture();
    ASSERT_EQ(picture.size(), QSize(100, 60));
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::black));
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) colours.insert(picture.pixel(x, y));
    EXPECT_GE(colours.size(), 5u);
    EXPECT_TRUE(about->ProgramIcon->hasScaledContents()); // stretched to 65 x 57
    EXPECT_FALSE(about->ProgramIcon->pixmap().isNull());
}

TEST_F(AboutTest, EnterOrOkClosesTheModalBoxWithResultOk)
{
    OpenAbout([&] {
        EXPECT_TRUE(about->isModal());
        QTest::keyClick(about, Qt::Key_Return);
    });
    EXPECT_EQ(about->result(), QDialog::Accepted);
    about->setResult(0);
    OpenAbout([&] { QTest::mouseClick(about->OKButton, Qt::LeftButton); });
    EXPECT_EQ(about->result(), QDialog::Accepted);
}

TEST_F(AboutTest, CentredOnTheScreenEveryTimeWhereverTheMainWindowIs)
{
    const QPoint centre = QGuiApplication::primaryScreen()->geometry().center();
    for (QPoint mainAt : {QPoint(0, 0), QPoint(300, 200), QPoint(20, 150)}) {
        form->move(mainAt);
        OpenAbout([&] {
            EXPECT_LE((about->frameGeometry().center() - centre).manhattanLength(), 2) << mainAt.x() << "," << mainAt.y();
            about->reject();
        });
        about->move(0, 0); // the next showing must centre it again
    }
}
