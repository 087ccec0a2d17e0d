// The main window's construction, start-up defaults and shutdown.
#include "app/Unit1.h"

#include "platform/Application.h"
#include "platform/Paths.h"
#include "platform/StrConv.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QToolButton>
#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QComboBox>
#include <QRegularExpressionValidator>
#include <QScrollArea>


QWidget* CreateClientArea(QWidget* parent);

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Form1");
    setWindowTitle("Pixolen");
    QFont font;
    font.setFamilies({"ＭＳ Ｐゴシック", "MS PGothic", "Noto Sans CJK JP"});
    font.setPixelSize(12);
    setFont(font);
    setGeometry(209, 101, 416, 513);

    ClientArea = CreateClientArea(this);
    setCentralWidget(ClientArea);
    CreateCommandTable();
    CreateMenus();
    CreateToolBars();
    CreatePages();
    CreateDrawingArea();
    ConnectEvents();
    // The client area gets its final size from the window's layout.
    ClientArea->resize(width(), height() - MainMenu1->sizeHint().height());
    LayOutClientArea();
    FormCreate();
}

TForm1::~TForm1() = default;

int TForm1::AreaWidth() const { return Image1->width(); }
int TForm1::AreaHeight() const { return Image1->height(); }

void TForm1::SetAreaSize(int width, int height)
{
    Image1->resize(width, height);
}

void TForm1::FormCreate()
{
    ToolButton11->setEnabled(false);
    Break1->setEnabled(false);
    FillPresetList(7);
    Application()->HelpFile = ExtractFilePath(Application()->ExeName()) + "Pixolen.hlp";
    FileName = DefaultFileName;
    ShowFileName();
    // The limit and threshold boxes take digits only, as typed.
    for (QLineEdit* box : {Edit2, Edit3, Edit4, Edit5})
        box->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), box));
    Generation = 0;
    TakeMargins();
    FitScrollBox();
    Image1->move(0, 0);
    nStretch = StrToIntDef(ComboBox1->currentText().toStdString(), 0);
    DrawPalette();
    PenColor = clWhite;
    BackColor = clBlack;
    ImageClearExecute();
    const char* labels[5] = {"世代:", "生存:", "赤:", "緑:", "青:"};
    for (int i = 0; i < 5; ++i) StatusBar2->SetPanelText(i, labels[i]);
    {
        const QSignalBlocker quiet(ListBox1); // the click handler is called once, below
        ListBox1->setCurrentRow(0);
    }
    ListBox1Click();
    BaseWidth = Image1->width();
    BaseHeight = Image1->height();
    ImageResizeExecute(); // the area: the size fields times the cell size
    DrawSwatches();
}

void TForm1::FormClose()
{
    StopRequest = true;
}

void TForm1::closeEvent(QCloseEvent* event)
{
    Dispatch([this] { FormClose(); });
    event->accept();
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Dispatch([this] { FormResize(); });
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    // The up-down puts its position into the pen size field when first shown.
    Dispatch([this] {
        UpDown1->SetPosition(UpDown1->Position());
        Edit9Change();
    });
}

void TForm1::keyPressEvent(QKeyEvent* event)
{
    // Only characters typed while the window itself has the focus; keys that a
    // focused control left unused come here too and are not ours. The window's
    // own focus child counts whether or not the window is active.
    const QWidget* focus = focusWidget();
    if (!event->text().isEmpty() && event->text()[0].isPrint() && (focus == nullptr || focus == this)) {
        const QString key = event->text();
        Dispatch([&] { FormKeyPress(key); });
        return;
    }
    QMainWindow::keyPressEvent(event);
}
