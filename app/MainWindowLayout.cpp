// The controls of the main window, at their places.
#include "app/Unit1.h"

#include "platform/Application.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>

namespace {

// The client area tells the window when its size changes, so the bars along
// its top and bottom follow it.
class ClientWidget : public QWidget {
public:
    using QWidget::QWidget;
    std::function<void()> OnResize;

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        if (OnResize) OnResize();
    }
};

QFont FontOf(std::initializer_list<const char*> families, int pixels)
{
    QFont font;
    QStringList names;
    for (const char* f : families) names << f;
    font.setFamilies(names);
    font.setPixelSize(pixels);
    return font;
}

template <class Widget, class... Args>
Widget* Make(const char* name, QWidget* parent, QRect geometry, Args&&... args)
{
    auto* w = new Widget(std::forward<Args>(args)..., parent);
    w->setObjectName(name);
    if (geometry.isValid()) w->setGeometry(geometry);
    return w;
}

QLabel* MakeLabel(const char* name, QWidget* parent, QPoint at, const char* text)
{
    auto* label = Make<QLabel>(name, parent, QRect(), QString(text));
    label->move(at);
    label->adjustSize();
    return label;
}

QLineEdit* MakeEdit(const char* name, QWidget* parent, QRect geometry, const char* text, const char* accessibleName)
{
    auto* edit = Make<QLineEdit>(name, parent, geometry, QString(text));
    edit->setAccessibleName(accessibleName);
    return edit;
}

TImage* MakePicture(const char* name, QWidget* parent, QRect geometry, const char* hint, const char* accessibleName)
{
    auto* image = Make<TImage>(name, parent, geometry);
    image->setToolTip(hint);
    image->setAccessibleName(accessibleName);
    return image;
}

// A label whose characters stand one under another, `pitch` pixels apart.
QLabel* MakeVerticalLabel(const char* name, QWidget* parent, QRect geometry, const QStringList& lines, int pitch)
{
    auto* label = Make<QLabel>(name, parent, geometry,
                               QString("<div style=\"line-height:%1px\">%2</div>").arg(pitch).arg(lines.join("<br>")));
    label->setTextFormat(Qt::RichText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setAccessibleName(lines.join(""));
    return label;
}

} // namespace

void TForm1::CreatePages()
{
    PageControl1 = Make<QTabWidget>("PageControl1", ClientArea, QRect(16, 48, 345, 113));
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName("TabSheet1");
    TabSheet1->setToolTip("ペン色や背景色を変更します");
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName("TabSheet2");
    TabSheet3 = new QWidget;
    TabSheet3->setObjectName("TabSheet3");
    PageControl1->addTab(TabSheet1, "色の選択");
    PageControl1->setTabToolTip(0, "ペン色や背景色を変更します");
    PageControl1->addTab(TabSheet2, "ｲﾒｰｼﾞの設定");
    PageControl1->addTab(TabSheet3, "ﾗｲﾌｹﾞｰﾑの設定");
    PageControl1->setCurrentIndex(0);
    CreateColourPage();
    CreatePicturePage();
    CreateLifePage();
}

void TForm1::CreateColourPage()
{
    GroupBox5 = Make<QGroupBox>("GroupBox5", TabSheet1, QRect(2, 0, 337, 84));
    pallete = MakePicture("pallete", GroupBox5, QRect(6, 6, 256, 32), "ここをクリックするペン色を変更できます",
                          "カラーパレット");
    Label9 = MakeLabel("Label9", GroupBox5, {6, 52}, "ﾍﾟﾝ 色");
    penimage = MakePicture("penimage", GroupBox5, QRect(44, 46, 25, 26), "ﾀﾞﾌﾞﾙｸﾘｯｸでｶﾗｰﾀﾞｲｱﾛｸﾞでﾍﾟﾝ色を設定", "ペン色");
    Edit9 = MakeEdit("Edit9", GroupBox5, QRect(74, 48, 30, 21), "4", "ペンの大きさ");
    UpDown1 = new TUpDown(Edit9, 1, 20, 4, 4, GroupBox5);
    UpDown1->setObjectName("UpDown1");
    UpDown1->setGeometry(104, 48, 15, 21);
    Label10 = MakeLabel("Label10", GroupBox5, {128, 52}, "背景色");
    backimage = MakePicture("backimage", GroupBox5, QRect(168, 46, 25, 25), "ﾀﾞﾌﾞﾙｸﾘｯｸで背景色をｶﾗｰﾀﾞｲｱﾛｸﾞで設定", "背景色");

    BackgroundGroup = new QButtonGroup(this);
    BackgroundGroup->setExclusive(true);
    auto toggle = [this](const char* name, QRect geometry, const char* caption, const char* hint) {
        auto* b = Make<QToolButton>(name, GroupBox5, geometry);
        b->setText(caption);
        b->setToolTip(hint);
        b->setAccessibleName(hint);
        b->setCheckable(true);
        BackgroundGroup->addButton(b);
        return b;
    };
    SpeedButton2 = toggle("SpeedButton2", QRect(200, 47, 30, 23), "黒", "背景色を黒にします");
    SpeedButton1 = toggle("SpeedButton1", QRect(232, 47, 30, 23), "白", "背景色を白にします");
    SpeedButton3 = toggle("SpeedButton3", QRect(264, 47, 44, 23), "ｶｽﾀﾑ", "背景色をﾍﾟﾝ色にします");
    SpeedButton2->setChecked(true);
}

void TForm1::CreatePicturePage()
{
    GroupBox4 = Make<QGroupBox>("GroupBox4", TabSheet2, QRect(2, 0, 220, 86), QString("描画する範囲"));
    ListBox1 = Make<QListWidget>("ListBox1", GroupBox4, QRect(8, 16, 204, 42));
    ListBox1->setToolTip("ダブルクリックすると変更します");
    ListBox1->setAccessibleName("描画範囲のプリセット");
    ListBox1->setFont(FontOf({"ＭＳ ゴシック", "MS Gothic", "Noto Sans Mono CJK JP", "monospace"}, 12));
    Edit6 = MakeEdit("Edit6", GroupBox4, QRect(8, 61, 44, 20), "320", "描画範囲の幅");
    Label5 = MakeLabel("Label5", GroupBox4, {56, 64}, "x");
    Edit7 = MakeEdit("Edit7", GroupBox4, QRect(66, 61, 44, 20), "240", "描画範囲の高さ");
    Button2 = Make<QPushButton>("Button2", GroupBox4, QRect(130, 60, 75, 23), ImageResize.Caption);
    Button2->setToolTip(ImageResize.Hint);

    GroupBox7 = Make<QGroupBox>("GroupBox7", TabSheet2, QRect(226, 0, 113, 86), QString("画素サイズ"));
    ComboBox1 = Make<QComboBox>("ComboBox1", GroupBox7, QRect(8, 20, 56, 22));
    ComboBox1->setEditable(true);
    ComboBox1->addItems({"1", "2", "4", "8"});
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setCurrentIndex(0);
    ComboBox1->setAccessibleName("画素サイズ");
    Label4 = MakeLabel("Label4", GroupBox7, {70, 24}, "倍");
    Button8 = Make<QPushButton>("Button8", GroupBox7, QRect(8, 54, 75, 23), ImageZoom.Caption);
    Button8->setToolTip(ImageZoom.Hint);
}

void TForm1::CreateLifePage()
{
    GroupBox1 = Make<QGroupBox>("GroupBox1", TabSheet3, QRect(2, 0, 337, 86));
    Label11 = MakeLabel("Label11", GroupBox1, {8, 6}, "自動停止");
    Label7 = MakeLabel("Label7", GroupBox1, {8, 30}, "+");
    Edit2 = MakeEdit("Edit2", GroupBox1, QRect(20, 27, 60, 20), "100000", "自動停止する世代数");
    Label1 = MakeLabel("Label1", GroupBox1, {20, 52}, "世代");
    Label3 = MakeVerticalLabel("Label3", GroupBox1, QRect(100, 4, 14, 78), {"し", "き", "い", "値"}, 16);
    // Beside the three sliders, one letter level with each.
    Label6 = MakeVerticalLabel("Label6", GroupBox1, QRect(118, 0, 14, 84), {"R", "G", "B"}, 26);
    const char* channelNames[3] = {"赤のしきい値", "緑のしきい値", "青のしきい値"};
    QSlider** sliders[3] = {&TrackBar1, &TrackBar2, &TrackBar3};
    QLineEdit** boxes[3] = {&Edit3, &Edit4, &Edit5};
    const char* sliderNames[3] = {"TrackBar1", "TrackBar2", "TrackBar3"};
    const char* boxNames[3] = {"Edit3", "Edit4", "Edit5"};
    for (int i = 0; i < 3; ++i) {
        QSlider* slider = Make<QSlider>(sliderNames[i], GroupBox1, QRect(134, 4 + 26 * i, 150, 22), Qt::Horizontal);
        slider->setRange(0, 255);
        slider->setValue(0);
        slider->setFocusPolicy(Qt::NoFocus); // not a tab stop
        slider->setAccessibleName(channelNames[i]);
        *sliders[i] = slider;
        QLineEdit* box = MakeEdit(boxNames[i], GroupBox1, QRect(290, 5 + 26 * i, 36, 20), "128", channelNames[i]);
        box->setMaxLength(3);
        *boxes[i] = box;
    }
}

void TForm1::CreateDrawingArea()
{
    ScrollBox1 = Make<QScrollArea>("ScrollBox1", ClientArea, QRect(16, 168, 361, 249));
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1 = new TImage;
    Image1->setObjectName("Image1");
    Image1->setAccessibleName("描画領域");
    Image1->setCursor(Qt::CrossCursor);
    Image1->setGeometry(0, -8, 4000, 3000);
    ScrollBox1->setWidget(Image1);

    const QFont barFont = FontOf({"MS UI Gothic", "Noto Sans CJK JP"}, 12);
    StatusBar2 = new TStatusBar({72, 74, 76, 76, 76}, ClientArea);
    StatusBar2->setObjectName("StatusBar2");
    StatusBar2->setFont(barFont);
    const char* bar2[5] = {"世代:0000000", "生存:0000000", "赤:000000000", "緑:000000000", "青:000000000"};
    for (int i = 0; i < 5; ++i) StatusBar2->SetPanelText(i, bar2[i]);
    StatusBar1 = new TStatusBar({105, 102, 114, 92}, ClientArea);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setFont(barFont);
    const char* bar1[4] = {"新規ビットマップ.BMP", "X:00000 Y:00000", "R:255 G:255 B:255 ", "$00A0A0A0"};
    for (int i = 0; i < 4; ++i) StatusBar1->SetPanelText(i, bar1[i]);
}

void TForm1::LayOutClientArea()
{
    const int width = ClientArea->width();
    const int height = ClientArea->height();
    CoolBar1->setGeometry(0, 0, width, std::max(33, CoolBar1->sizeHint().height()));
    StatusBar1->setGeometry(0, height - StatusBar1->height(), width, StatusBar1->height());
    StatusBar2->setGeometry(0, StatusBar1->y() - StatusBar2->height(), width, StatusBar2->height());
}

void TForm1::ConnectEvents()
{
    auto client = static_cast<ClientWidget*>(ClientArea);
    client->OnResize = [this] { LayOutClientArea(); };

    auto handler = [this](void (TForm1::*h)()) { return [this, h] { Dispatch([&] { (this->*h)(); }); }; };
    // A click on the selected item fills the fields again, like any other click.
    connect(ListBox1, &QListWidget::currentRowChanged, this, handler(&TForm1::ListBox1Click));
    connect(ListBox1, &QListWidget::itemClicked, this, handler(&TForm1::ListBox1Click));
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, handler(&TForm1::ListBox1DblClick));
    connect(ComboBox1, &QComboBox::currentTextChanged, this, handler(&TForm1::ComboBox1Change));
    connect(Button2, &QPushButton::clicked, this, [this] { ImageResize.Execute(); });
    connect(Button8, &QPushButton::clicked, this, [this] { ImageZoom.Execute(); });

    connect(TrackBar1, &QSlider::valueChanged, this, handler(&TForm1::TrackBar1Change));
    connect(TrackBar2, &QSlider::valueChanged, this, handler(&TForm1::TrackBar2Change));
    connect(TrackBar3, &QSlider::valueChanged, this, handler(&TForm1::TrackBar3Change));
    connect(Edit3, &QLineEdit::textChanged, this, handler(&TForm1::Edit3Change));
    connect(Edit4, &QLineEdit::textChanged, this, handler(&TForm1::Edit4Change));
    connect(Edit5, &QLineEdit::textChanged, this, handler(&TForm1::Edit5Change));

    connect(Edit9, &QLineEdit::textChanged, this, handler(&TForm1::Edit9Change));
    connect(SpeedButton1, &QToolButton::clicked, this, handler(&TForm1::SpeedButton1Click));
    connect(SpeedButton2, &QToolButton::clicked, this, handler(&TForm1::SpeedButton2Click));
    connect(SpeedButton3, &QToolButton::clicked, this, handler(&TForm1::SpeedButton3Click));
    penimage->OnDblClick = [this] { penimageDblClick(); };
    backimage->OnDblClick = [this] { backimageDblClick(); };

    Image1->OnMouseDown = [this](MouseButton b, ShiftState s, int x, int y) { Image1MouseDown(b, s, x, y); };
    Image1->OnMouseMove = [this](ShiftState s, int x, int y) { Image1MouseMove(s, x, y); };
    Image1->OnMouseUp = [this](MouseButton b, ShiftState s, int x, int y) { Image1MouseUp(b, s, x, y); };
    pallete->OnMouseDown = [this](MouseButton b, ShiftState s, int x, int y) { palleteMouseDown(b, s, x, y); };
    pallete->OnMouseMove = [this](ShiftState s, int x, int y) { palleteMouseMove(s, x, y); };
}

QWidget* CreateClientArea(QWidget* parent)
{
    auto* client = new ClientWidget(parent);
    client->setObjectName("ClientArea");
    return client;
}
