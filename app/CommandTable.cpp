// The command table and the menus and toolbars that name its actions.
#include "app/Icons.h"
#include "app/Unit1.h"
#include "platform/Application.h"
#include "platform/CoolBar.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace {

TAction MakeAction(const char* name, const char* category, const char* caption, const char* hint, int image,
                   std::function<void()> handler)
{
    return {name, category, caption, hint, image, std::move(handler)};
}

// The standard edit commands act on whichever text field has the focus.
template <class Operation>
std::function<void()> OnFocusedEdit(Operation operation)
{
    return [operation] {
        if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget())) operation(edit);
    };
}

} // namespace

void TForm1::CreateCommandTable()
{
    auto on = [this](void (TForm1::*handler)()) { return [this, handler] { (this->*handler)(); }; };
    FileNew = MakeAction("FileNew", "ファイル", "新規作成(&N)", "ファイルの新規作成します", IconNew, on(&TForm1::FileNewExecute));
    FileOpen = MakeAction("FileOpen", "ファイル", "開く(&O)", "ファイルを開きます", IconOpen, on(&TForm1::FileOpenExecute));
    FileSave = MakeAction("FileSave", "ファイル", "保存(&S)", "ファイルを保存します", IconSave, on(&TForm1::FileSaveExecute));
    FileSaveAs = MakeAction("FileSaveAs", "ファイル", "名前を付けて保存(&A)", "名前を変えてファイルを保存します", -1,
                            on(&TForm1::FileSaveAsExecute));
    FileExit = MakeAction("FileExit", "ファイル", "終了(&X)", "このプログラムを終了します", IconExit, on(&TForm1::FileExitExecute));
    HelpContents = MakeAction("HelpContents", "ヘルプ", "目次(&C)", "ヘルプを表示します", IconHelp,
                              on(&TForm1::HelpContentsExecute));
    HelpIndex = MakeAction("HelpIndex", "ヘルプ", "索引(&I)", "ヘルプインデクスを表示します", -1, on(&TForm1::HelpIndexExecute));
    HelpAbout = MakeAction("HelpAbout", "ヘルプ", "ﾊﾞｰｼﾞｮﾝ情報(&A)", "このプログラムについて", -1, on(&TForm1::HelpAboutExecute));
    EditCut1 = MakeAction("EditCut1", "編集", "切り取り(&T)", "切り取り", IconCut, OnFocusedEdit([](QLineEdit* e) { e->cut(); }));
    EditCopy1 = MakeAction("EditCopy1", "編集", "コピー(&C)", "コピー", IconCopy, OnFocusedEdit([](QLineEdit* e) { e->copy(); }));
    EditPaste1 = MakeAction("EditPaste1", "編集", "貼り付け(&P)", "貼り付け", IconPaste, OnFocusedEdit([](QLineEdit* e) { e->paste(); }));
    ImagePaste = MakeAction("ImagePaste", "イメージ", "貼付(&P)", "クリップボードから貼り付けます", IconPaste,
                            on(&TForm1::ImagePasteExecute));
    ImageCopy = MakeAction("ImageCopy", "イメージ", "ｺﾋﾟｰ(&C)", "クリップボードへコピーします", IconCopy,
                           on(&TForm1::ImageCopyExecute));
    ImageClear = MakeAction("ImageClear", "イメージ", "ｸﾘｱ(&D)", "イメージをクリアします", IconClear, on(&TForm1::ImageClearExecute));
    LifeStart = MakeAction("LifeStart", "実行", "開始(&S)", "開始します", IconStart, on(&TForm1::LifeStartExecute));
    LifeBreak = MakeAction("LifeBreak", "実行", "中断(&B)", "中断します", IconBreak, on(&TForm1::LifeBreakExecute));
    PaletteDump = MakeAction("PaletteDump", "実行", "ﾀﾞﾝﾌﾟ", "", -1, on(&TForm1::PaletteDumpExecute));
    ImageRandom = MakeAction("ImageRandom", "イメージ", "ﾗﾝﾀﾞﾑ(&R)", "ランダム描画します", IconRandom,
                             on(&TForm1::ImageRandomExecute));
    ImageCRandom = MakeAction("ImageCRandom", "イメージ", "色ﾗﾝﾀﾞﾑ(&I)", "カラーでランダム描画します", IconColorRandom,
                              on(&TForm1::ImageCRandomExecute));
    ImageResize = MakeAction("ImageResize", "イメージ", "変更(&C)", "イメージサイズを変更します", -1,
                             on(&TForm1::ImageResizeExecute));
    ImageHC = MakeAction("ImageHC", "イメージ", "ﾊｰﾄﾞｺﾋﾟｰ(&H)", "スクリーンキをイメージに貼り付けます", -1,
                         on(&TForm1::ImageHCExecute));
    Option = MakeAction("Option", "実行", "ｵﾌﾟｼｮﾝ(&O)", "オプションを設定します", -1, nullptr);
    ImageZoom = MakeAction("ImageZoom", "イメージ", "拡縮(&Z)", "拡大、縮小します", -1, on(&TForm1::ImageZoomExecute));

    // The standard edit commands are reached only through their shortcuts.
    struct EditShortcut { const TAction* action; QKeySequence keys; const char* name; };
    for (const EditShortcut& e : {EditShortcut{&EditCut1, QKeySequence::Cut, "EditCut1"},
                                  EditShortcut{&EditCopy1, QKeySequence::Copy, "EditCopy1"},
                                  EditShortcut{&EditPaste1, QKeySequence::Paste, "EditPaste1"}}) {
        auto* shortcut = new QAction(this);
        shortcut->setObjectName(e.name);
        shortcut->setShortcut(e.keys);
        shortcut->setShortcutContext(Qt::WindowShortcut);
        const TAction* action = e.action;
        connect(shortcut, &QAction::triggered, this, [action] { action->Execute(); });
        addAction(shortcut);
    }
}

void TForm1::CreateMenus()
{
    MainMenu1 = menuBar();
    MainMenu1->setObjectName("MainMenu1");
    auto icon = [](const TAction& a) { return ImageList1(a.ImageIndex); };
    auto separator = [](QMenu* menu, const char* name) {
        QAction* line = menu->addSeparator();
        line->setObjectName(name);
        return line;
    };

    File1 = MainMenu1->addMenu("ﾌｧｲﾙ(&F)");
    File1->setObjectName("File1");
    New1 = AddMenuItem(File1, "New1", FileNew, icon(FileNew));
    Open1 = AddMenuItem(File1, "Open1", FileOpen, icon(FileOpen));
    Save1 = AddMenuItem(File1, "Save1", FileSave, icon(FileSave));
    SaveAs1 = AddMenuItem(File1, "SaveAs1", FileSaveAs, icon(FileSaveAs));
    N1 = separator(File1, "N1");
    Exit1 = AddMenuItem(File1, "Exit1", FileExit, icon(FileExit));

    MenuEdit1 = MainMenu1->addMenu("編集(&E)");
    MenuEdit1->setObjectName("MenuEdit1");
    Copy2 = AddMenuItem(MenuEdit1, "Copy2", ImageCopy, icon(ImageCopy));
    Paste2 = AddMenuItem(MenuEdit1, "Paste2", ImagePaste, icon(ImagePaste));
    N2 = separator(MenuEdit1, "N2");
    C1 = AddMenuItem(MenuEdit1, "C1", ImageClear, icon(ImageClear));
    D1 = AddMenuItem(MenuEdit1, "D1", ImageRandom, icon(ImageRandom));
    I2 = AddMenuItem(MenuEdit1, "I2", ImageCRandom, icon(ImageCRandom));

    R1 = MainMenu1->addMenu("実行(&R)");
    R1->setObjectName("R1");
    Start1 = AddMenuItem(R1, "Start1", LifeStart, icon(LifeStart));
    Break1 = AddMenuItem(R1, "Break1", LifeBreak, icon(LifeBreak));
    N5 = separator(R1, "N5");
    Option1 = AddMenuItem(R1, "Option1", Option, icon(Option));
    N3 = separator(R1, "N3");
    Dump1 = AddMenuItem(R1, "Dump1", PaletteDump, icon(PaletteDump));

    Help1 = MainMenu1->addMenu("ヘルプ");
    Help1->setObjectName("Help1");
    Contents1 = AddMenuItem(Help1, "Contents1", HelpContents, icon(HelpContents));
    Index1 = AddMenuItem(Help1, "Index1", HelpIndex, icon(HelpIndex));
    About1 = AddMenuItem(Help1, "About1", HelpAbout, icon(HelpAbout));
}

void TForm1::CreateToolBars()
{
    // The band container is a main window of its own inside the client area,
    // so Qt's toolbar floating and docking works on its two bands.
    auto* coolBar = new TCoolBar(ClientArea);
    coolBar->OnBandsChanged = [this] { LayOutClientArea(); };
    CoolBar1 = coolBar;
    CoolBar1->setObjectName("CoolBar1");
    auto icon = [](const TAction& a) { return ImageList1(a.ImageIndex); };

    ToolBar1 = new QToolBar(CoolBar1);
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setWindowTitle("ToolBar1");
    ToolBar1->setMinimumHeight(29);
    ToolBar1->setIconSize({16, 16});
    ToolBar1->setContentsMargins(4, 0, 0, 0);
    ToolButton1 = AddToolButton(ToolBar1, "ToolButton1", FileExit, icon(FileExit));
    ToolButton2 = AddToolButton(ToolBar1, "ToolButton2", FileNew, icon(FileNew));
    ToolButton3 = AddToolButton(ToolBar1, "ToolButton3", FileOpen, icon(FileOpen));
    ToolButton4 = AddToolButton(ToolBar1, "ToolButton4", FileSave, icon(FileSave));
    ToolButton5 = ToolBar1->addSeparator();
    ToolButton5->setObjectName("ToolButton5");
    ToolButton7 = AddToolButton(ToolBar1, "ToolButton7", ImageCopy, icon(ImageCopy));
    ToolButton8 = AddToolButton(ToolBar1, "ToolButton8", ImagePaste, icon(ImagePaste));
    ToolButton9 = ToolBar1->addSeparator();
    ToolButton9->setObjectName("ToolButton9");
    ToolButton10 = AddToolButton(ToolBar1, "ToolButton10", HelpContents, icon(HelpContents));

    ToolBar2 = new QToolBar(CoolBar1);
    ToolBar2->setObjectName("ToolBar2");
    ToolBar2->setWindowTitle("ToolBar2");
    ToolBar2->setMinimumHeight(26);
    ToolBar2->setIconSize({16, 16});
    ToolButton6 = AddToolButton(ToolBar2, "ToolButton6", LifeStart, icon(LifeStart));
    ToolButton11 = AddToolButton(ToolBar2, "ToolButton11", LifeBreak, icon(LifeBreak));
    ToolButton12 = AddToolButton(ToolBar2, "ToolButton12", ImageClear, icon(ImageClear));
    ToolButton13 = AddToolButton(ToolBar2, "ToolButton13", ImageRandom, icon(ImageRandom));
    ToolButton14 = AddToolButton(ToolBar2, "ToolButton14", ImageCRandom, icon(ImageCRandom));

    for (QToolBar* bar : {ToolBar1, ToolBar2}) {
        bar->setMovable(true);
        bar->setFloatable(true);
        bar->setAllowedAreas(Qt::TopToolBarArea);
        CoolBar1->addToolBar(Qt::TopToolBarArea, bar);
        // Queued: the container finishes placing the dropped toolbar first.
        connect(
            bar, &QToolBar::topLevelChanged, this,
            [this, bar](bool floating) {
                if (!floating) Dispatch([&] { CoolBar1DockDrop(bar); });
            },
            Qt::QueuedConnection);
    }
    ToolBar1->resize(205, 29);
    ToolBar2->resize(189, 26);
}
