// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"

#include "app/placement.h"
#include "resources/pictures.h"
#include "ui/accessibility.h"
#include "ui/calculatorpage.h"
#include "ui/controls.h"
#include "ui/errorreport.h"
#include "ui/fonts.h"
#include "ui/galleries.h"
#include "ui/linklabel.h"
#include "ui/picturepages.h"
#include "ui/tabset.h"
#include "ui/weblinks.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QWheelEvent>

namespace {

constexpr QSize kClientBelowMenu{699, 567};
constexpr QSize kPanel7{697, 561};
constexpr QRect kPanel1{1, 1, 695, 33};
constexpr QRect kPageControl1{1, 34, 695, 471};
constexpr QRect kPanel3{1, 505, 695, 55};
constexpr QRect kRichEdit1{1, 1, 693, 53};
constexpr QRect kPageControl4{0, 0, 689, 441};
constexpr int kWheelStep = 5;

constexpr QColor kHeaderBackground{166, 202, 240};
constexpr QColor kHeaderText{0, 128, 0};

constexpr const char *kInfoLine1 = "       Подробную информацию о гидравлических и тепловых расчетах";
constexpr const char *kInfoLine2 = "       Вы найдете здесь: ";

struct PageEntry {
    QWidget *TForm1::*page;
    const char *name;
    const char *caption;
};

// The reference tabs of PageControl1 (the calculator page comes first, before them).
constexpr PageEntry kReferencePages[] = {
    {&TForm1::TabSheet5, "TabSheet5", "Программа"},
    {&TForm1::TabSheet11, "TabSheet11", "Программа 2"},
    {&TForm1::TabSheet18, "TabSheet18", "Программа 3"},
    {&TForm1::TabSheet3, "TabSheet3", "С чего начинается расчет?"},
    {&TForm1::TabSheet2, "TabSheet2", "Конструкторские расчеты"},
    {&TForm1::TabSheet4, "TabSheet4", "Тепловые расчеты"},
};

QString Text(const char *utf8) { return QString::fromUtf8(utf8); }

} // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    SetWindowTitleAndName(this, QStringLiteral("Varnelo v 1.0"));
    setWindowIcon(resources::ApplicationIcon());
    setFont(FormFont());
    setBackgroundRole(QPalette::Button);
    CreateMenu();
    CreateFrame();
    CreateInfoBox();
    CreatePages();
    CreateInnerTabSets();
    FillReferencePages();
    ConnectLinks();
    SetKeyboardOrder();
    SizeAndPlace();
    QCoreApplication::instance()->installEventFilter(this);
    FormCreate();
}

void TForm1::CreateMenu()
{
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    N1 = MainMenu1->addMenu(QStringLiteral("Файл"));
    N2 = N1->addAction(QStringLiteral("Закрыть"));
    N3 = MainMenu1->addMenu(QStringLiteral("Форум сантехников"));
    N5 = N3->addAction(QStringLiteral("Перейти на Форум Сантехников"));
    N4 = MainMenu1->addMenu(QStringLiteral("Проектирование систем отопления и водоснаюжения"));
    N6 = N4->addAction(QStringLiteral("Перейти на сайт услуг по проектированию"));
    N1->setObjectName(QStringLiteral("N1"));
    N2->setObjectName(QStringLiteral("N2"));
    N3->setObjectName(QStringLiteral("N3"));
    N4->setObjectName(QStringLiteral("N4"));
    N5->setObjectName(QStringLiteral("N5"));
    N6->setObjectName(QStringLiteral("N6"));
    connect(N2, &QAction::triggered, this, Guarded([this] { N2Click(); }));
}

void TForm1::CreateFrame()
{
    ScrollBox1 = new ScrollBox(this, QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->viewport()->setBackgroundRole(QPalette::Button);
    ScrollBox1->viewport()->setAutoFillBackground(true);
    setCentralWidget(ScrollBox1);

    Panel7 = new Panel(ScrollBox1, QStringLiteral("Panel7"));
    Panel7->setFixedSize(kPanel7);
    ScrollBox1->setWidget(Panel7);

    Panel1 = new Panel(Panel7, QStringLiteral("Panel1"),
                       QStringLiteral("Сборник инструментов для расчета систем водоснабжения "
                                      "и отопления"));
    Panel1->setGeometry(kPanel1);
    Panel1->setFont(HeaderFont());
    QPalette header = Panel1->palette();
    header.setColor(QPalette::Button, kHeaderBackground);
    header.setColor(QPalette::WindowText, kHeaderText);
    Panel1->setPalette(header);

    PageControl1 = new TabSet(Panel7, QStringLiteral("PageControl1"));
    PageControl1->setGeometry(kPageControl1);
    PageControl1->Tabs()->setAccessibleName(QStringLiteral("Разделы"));
}

void TForm1::CreateInfoBox()
{
    Panel3 = new Panel(Panel7, QStringLiteral("Panel3"));
    Panel3->setGeometry(kPanel3);
    RichEdit1 = new QTextEdit(Panel3);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(kRichEdit1);
    RichEdit1->setFont(InfoBoxFont());
    RichEdit1->setReadOnly(true);
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RichEdit1->setFocusPolicy(Qt::StrongFocus);
    RichEdit1->setTabChangesFocus(true);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit1->document()->setDocumentMargin(2);
    RichEdit1->setPlainText(Text(kInfoLine1) + u'\n' + Text(kInfoLine2) + kMakerSiteAddress);
    // Lines as tall as the face itself, without its extra leading, so that both fit the box.
    QTextCursor everything(RichEdit1->document());
    everything.select(QTextCursor::Document);
    QTextBlockFormat lines;
    lines.setLineHeight(QFontMetrics(InfoBoxFont()).height(), QTextBlockFormat::FixedHeight);
    everything.mergeBlockFormat(lines);
    RichEdit1->setAccessibleName(Text(kInfoLine1).trimmed());
}

void TForm1::CreatePages()
{
    TabSheet1 = new CalculatorPage(PageControl1);
    PageControl1->AddPage(TabSheet1, QString::fromUtf8(kCalculatorPageCaption));
    for (const PageEntry &entry : kReferencePages)
        this->*entry.page = PageControl1->AddPage(QString::fromLatin1(entry.name), Text(entry.caption));
}

// The galleries' tab sets, empty: each gallery makes its own pages.
void TForm1::CreateInnerTabSets()
{
    PageControl2 = new TabSet(TabSheet5, QStringLiteral("PageControl2"));
    PageControl2->setGeometry(TabSheet5->rect());
    PageControl3 = new TabSet(TabSheet11, QStringLiteral("PageControl3"));
    PageControl3->setGeometry(TabSheet11->rect());
    // Fixed, not fitted: 2 pixels wider and 2 shorter than its page.
    PageControl4 = new TabSet(TabSheet18, QStringLiteral("PageControl4"));
    PageControl4->setGeometry(kPageControl4);
    PageControl2->Tabs()->setAccessibleName(Text(kReferencePages[0].caption));
    PageControl3->Tabs()->setAccessibleName(Text(kReferencePages[1].caption));
    PageControl4->Tabs()->setAccessibleName(Text(kReferencePages[2].caption));
}

// The pictures are decoded as their pages are first shown, not here.
void TForm1::FillReferencePages()
{
    Label18 = FillProgramGallery(*PageControl2, kProgramAddress);
    Label19 = FillProgram2Gallery(*PageControl3, kProgram2Address);
    Label20 = FillProgram3Gallery(*PageControl4, kProgram3Address);
    Label16 = FillBookletPage(*TabSheet3, kBookletAddress);
    Label15 = FillDesignCoursePage(*TabSheet2, kDesignCourseAddress);
    Label17 = FillHeatCoursePage(*TabSheet4, kHeatCourseAddress);
}

void TForm1::ConnectLinks()
{
    connect(N5, &QAction::triggered, this, Guarded([this] { N5Click(); }));
    connect(N6, &QAction::triggered, this, Guarded([this] { N6Click(); }));
    connect(Label15, &LinkLabel::clicked, this, Guarded([this] { Label15Click(); }));
    connect(Label16, &LinkLabel::clicked, this, Guarded([this] { Label16Click(); }));
    connect(Label17, &LinkLabel::clicked, this, Guarded([this] { Label17Click(); }));
    connect(Label18, &LinkLabel::clicked, this, Guarded([this] { Label18Click(); }));
    connect(Label19, &LinkLabel::clicked, this, Guarded([this] { Label19Click(); }));
    connect(Label20, &LinkLabel::clicked, this, Guarded([this] { Label20Click(); }));
}

void TForm1::SetKeyboardOrder()
{
    QList<QWidget *> order{PageControl1->Tabs()};
    order += TabSheet1->KeyboardOrder();
    order += {PageControl2->Tabs(), PageControl3->Tabs(), PageControl4->Tabs(), RichEdit1};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
    PageControl1->Tabs()->setFocus();  // takes effect when the window first becomes active
}

// The client area below the menu is 699 x 567; the window opens centred on the desktop.
void TForm1::SizeAndPlace()
{
    const int menuHeight = MainMenu1->heightForWidth(kClientBelowMenu.width());
    resize(kClientBelowMenu.width(),
           kClientBelowMenu.height() + (menuHeight > 0 ? menuHeight : MainMenu1->sizeHint().height()));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        PlaceCentredOnceFramed(*this, screen->virtualGeometry());
}

void TForm1::FormCreate()
{
    PageControl1->SetTabIndex(0);
    PageControl2->SetTabIndex(0);
    PageControl3->SetTabIndex(0);
    PageControl4->SetTabIndex(0);
}

void TForm1::N2Click() { close(); }

void TForm1::N5Click() { OpenWebAddress(kForumAddress); }

void TForm1::N6Click() { OpenWebAddress(kMakerSiteAddress); }

void TForm1::Label15Click() { OpenWebAddress(Label15->text()); }

void TForm1::Label16Click() { OpenWebAddress(Label16->text()); }

void TForm1::Label17Click() { OpenWebAddress(Label17->text()); }

void TForm1::Label18Click() { OpenWebAddress(Label18->text()); }

void TForm1::Label19Click() { OpenWebAddress(Label19->text()); }

void TForm1::Label20Click() { OpenWebAddress(Label20->text()); }

void TForm1::ScrollBox1MouseWheelDown() { ScrollBy(kWheelStep); }

void TForm1::ScrollBox1MouseWheelUp() { ScrollBy(-kWheelStep); }

// The scroll bar clamps the position to its range, 0 when the content fits.
void TForm1::ScrollBy(int pixels)
{
    QScrollBar *bar = ScrollBox1->verticalScrollBar();
    bar->setValue(bar->value() + pixels);
}

// Sees every wheel event once, at the widget it is first delivered to (the spontaneous
// delivery; the toolkit's passing on to parents is not spontaneous), and never consumes it.
bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel || !event->spontaneous() || !watched->isWidgetType())
        return false;
    if (static_cast<QWidget *>(watched)->window() != this)
        return false;
    const int delta = static_cast<QWheelEvent *>(event)->angleDelta().y();
    if (delta < 0)
        RunGuarded([this] { ScrollBox1MouseWheelDown(); });
    else if (delta > 0)
        RunGuarded([this] { ScrollBox1MouseWheelUp(); });
    return false;
}
