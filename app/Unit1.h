#pragma once
// The main window: its controls (named as in the window layout), the editor
// state every command shares, the command table, and the handlers. Handlers
// are defined in the folder of their subsystem (life/, tools/, io/, app/).
#include "platform/Action.h"
#include "platform/Image.h"
#include "platform/StatusBar.h"
#include "platform/UpDown.h"
#include "raster/Color.h"
#include "raster/Random.h"
#include "raster/Raster.h"

#include <QMainWindow>

#include <string>

class QAction;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollArea;
class QSlider;
class QTabWidget;
class QToolBar;
class QToolButton;
class TAboutBox;

// The file name of a new picture; Save asks for a name while it is this.
inline const char* const DefaultFileName = "新規ビットマップ.bmp";

class TForm1 : public QMainWindow {
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // ---- Controls -------------------------------------------------------
    QMenuBar* MainMenu1 = nullptr;
    QMenu *File1 = nullptr, *MenuEdit1 = nullptr, *R1 = nullptr, *Help1 = nullptr;
    QAction *New1 = nullptr, *Open1 = nullptr, *Save1 = nullptr, *SaveAs1 = nullptr, *N1 = nullptr, *Exit1 = nullptr;
    QAction *Copy2 = nullptr, *Paste2 = nullptr, *N2 = nullptr, *C1 = nullptr, *D1 = nullptr, *I2 = nullptr;
    QAction *Start1 = nullptr, *Break1 = nullptr, *N5 = nullptr, *Option1 = nullptr, *N3 = nullptr, *Dump1 = nullptr;
    QAction *Contents1 = nullptr, *Index1 = nullptr, *About1 = nullptr;

    QWidget* ClientArea = nullptr; // the window's client area; positions below are inside it
    QMainWindow* CoolBar1 = nullptr; // the band container that the toolbars dock into
    QToolBar *ToolBar1 = nullptr, *ToolBar2 = nullptr;
    QToolButton *ToolButton1 = nullptr, *ToolButton2 = nullptr, *ToolButton3 = nullptr, *ToolButton4 = nullptr;
    QAction *ToolButton5 = nullptr, *ToolButton9 = nullptr; // separators
    QToolButton *ToolButton7 = nullptr, *ToolButton8 = nullptr, *ToolButton10 = nullptr;
    QToolButton *ToolButton6 = nullptr, *ToolButton11 = nullptr, *ToolButton12 = nullptr, *ToolButton13 = nullptr,
                *ToolButton14 = nullptr;

    QTabWidget* PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr, *TabSheet2 = nullptr, *TabSheet3 = nullptr;

    // Page 1: colours
    QGroupBox* GroupBox5 = nullptr;
    TImage* pallete = nullptr;
    QLabel *Label9 = nullptr, *Label10 = nullptr;
    TImage* penimage = nullptr;
    QLineEdit* Edit9 = nullptr;
    TUpDown* UpDown1 = nullptr;
    TImage* backimage = nullptr;
    QToolButton *SpeedButton1 = nullptr, *SpeedButton2 = nullptr, *SpeedButton3 = nullptr;
    QButtonGroup* BackgroundGroup = nullptr;

    // Page 2: the picture
    QGroupBox *GroupBox4 = nullptr, *GroupBox7 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QLineEdit *Edit6 = nullptr, *Edit7 = nullptr;
    QLabel *Label5 = nullptr, *Label4 = nullptr;
    QPushButton *Button2 = nullptr, *Button8 = nullptr;
    QComboBox* ComboBox1 = nullptr;

    // Page 3: Life
    QGroupBox* GroupBox1 = nullptr;
    QLabel *Label11 = nullptr, *Label7 = nullptr, *Label1 = nullptr, *Label3 = nullptr, *Label6 = nullptr;
    QLineEdit *Edit2 = nullptr, *Edit3 = nullptr, *Edit4 = nullptr, *Edit5 = nullptr;
    QSlider *TrackBar1 = nullptr, *TrackBar2 = nullptr, *TrackBar3 = nullptr;

    QScrollArea* ScrollBox1 = nullptr;
    TImage* Image1 = nullptr; // holds the Raster
    TStatusBar *StatusBar2 = nullptr, *StatusBar1 = nullptr;

    TAboutBox* AboutBox = nullptr; // set by the program entry

    // ---- Command table ---------------------------------------------------
    TAction FileNew, FileOpen, FileSave, FileSaveAs, FileExit;
    TAction HelpContents, HelpIndex, HelpAbout;
    TAction EditCut1, EditCopy1, EditPaste1;
    TAction ImagePaste, ImageCopy, ImageClear;
    TAction LifeStart, LifeBreak, PaletteDump;
    TAction ImageRandom, ImageCRandom, ImageResize, ImageHC, Option, ImageZoom;

    // ---- Editor state (public so tests can read it) -----------------------
    std::string FileName;
    TColor PenColor = 0;
    TColor BackColor = 0;
    int PenSize = 0;
    int Generation = 0;
    bool StopRequest = false;
    int MarginTop = 0, MarginBottom = 0, MarginLeft = 0, MarginRight = 0;
    int nStretch = 0;
    int BaseWidth = 0, BaseHeight = 0;

    // The run-time library's pseudo-random generator: fixed state at start.
    RandomGenerator Random;
    // The last colour chosen in the colour dialog (black the first time).
    TColor ColorDialog1Color = 0;

    Raster& Picture() { return Image1->Picture(); }
    int AreaWidth() const;  // the active area: the size of Image1
    int AreaHeight() const;
    void SetAreaSize(int width, int height);
    bool Running() const { return running_; }

    // ---- Handlers --------------------------------------------------------
    // Start-up and shutdown (app/Unit1.cpp)
    void FormCreate();
    void FormClose();
    // Geometry (app/Geometry.cpp)
    void TakeMargins();
    void FitScrollBox();
    void FormResize();
    void CoolBar1DockDrop(QToolBar* toolbar);
    void GiveOwnRow(QToolBar* toolbar); // a row of CoolBar1 for this toolbar alone
    // Size, cell size and zoom (app/AreaCommands.cpp)
    void FillPresetList(int count);
    void ListBox1Click();
    void ListBox1DblClick();
    void ImageResizeExecute();
    void ImageZoomExecute();
    void ComboBox1Change();
    // Fills (app/FillCommands.cpp)
    void ShowGenerationText();
    void ImageClearExecute();
    void ImageRandomExecute();
    void ImageCRandomExecute();
    // Run control (life/RunControl.cpp)
    void ApplyRunLock(bool locked);
    void LifeStartExecute();
    void LifeBreakExecute();
    void TrackBar1Change();
    void TrackBar2Change();
    void TrackBar3Change();
    void Edit3Change();
    void Edit4Change();
    void Edit5Change();
    // Pen, swatches, background (tools/PenCommands.cpp)
    void PenStamp(int x, int y);
    void DrawSwatches();
    void Image1MouseDown(MouseButton button, ShiftState shift, int x, int y);
    void Image1MouseMove(ShiftState shift, int x, int y);
    void Image1MouseUp(MouseButton button, ShiftState shift, int x, int y);
    void Edit9Change();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void penimageDblClick();
    void backimageDblClick();
    // Palette strip (tools/PaletteCommands.cpp)
    void DrawPalette();
    void palleteMouseDown(MouseButton button, ShiftState shift, int x, int y);
    void palleteMouseMove(ShiftState shift, int x, int y);
    // Files (io/FileCommands.cpp)
    void ShowFileName();
    void FileNewExecute();
    void FileOpenExecute();
    void FileSaveExecute();
    void FileSaveAsExecute();
    // Clipboard and capture (io/ClipboardCommands.cpp)
    void ImageCopyExecute();
    void ImagePasteExecute();
    void ImageHCExecute();
    // Help, about, exit (io/HelpCommands.cpp)
    void HelpContentsExecute();
    void HelpIndexExecute();
    void HelpAboutExecute();
    void FileExitExecute();
    // Diagnostics (io/Diagnostics.cpp)
    void PaletteDumpExecute();
    void FormKeyPress(const QString& key);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Layout and command table (app/MainWindowLayout.cpp, app/CommandTable.cpp)
    void CreateCommandTable();
    void CreateMenus();
    void CreateToolBars();
    void CreatePages();
    void CreateColourPage();
    void CreatePicturePage();
    void CreateLifePage();
    void CreateDrawingArea();
    void ConnectEvents();
    void LayOutClientArea();

    bool running_ = false;
    bool shownOnce_ = false;
};
