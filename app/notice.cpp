// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/notice.h"

#include "app/placement.h"
#include "resources/pictures.h"
#include "ui/accessibility.h"
#include "ui/activation.h"
#include "ui/controls.h"
#include "ui/errorreport.h"
#include "ui/fonts.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

constexpr QSize kClient{470, 115};
constexpr int kTopStrip = 17;
constexpr int kBottomStrip = 41;
constexpr QRect kButton1{384, 8, 75, 25};

} // namespace

Tuved::Tuved(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("uved"));
    SetWindowTitleAndName(this, QStringLiteral("uved"));
    // The icon of the window it belongs to, or the program's own.
    const bool parentHasIcon = parent && !parent->windowIcon().isNull();
    setWindowIcon(parentHasIcon ? parent->windowIcon() : resources::ApplicationIcon());
    // A dialog of its owner: the window manager keeps it above the main window it blocks,
    // raises, minimises and restores it with that window, and gives it no task-bar entry.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setFont(FormFont());
    setBackgroundRole(QPalette::Button);
    setSizeGripEnabled(false);
    CreateControls();
    LayOut();
    resize(kClient);
}

void Tuved::CreateControls()
{
    Panel1 = new Panel(this, QStringLiteral("Panel1"));
    Panel3 = new Panel(this, QStringLiteral("Panel3"));
    RichEdit1 = new QTextEdit(Panel3);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setAcceptRichText(false);
    RichEdit1->setTabChangesFocus(true);
    RichEdit1->setLineWrapMode(QTextEdit::WidgetWidth);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit1->setAccessibleName(QStringLiteral("Сообщение"));
    RichEdit1->setMinimumSize(1, 1);  // the window may be made as small as the user likes
    Panel2 = new Panel(this, QStringLiteral("Panel2"));
    Button1 = new PushButton(Panel2, QStringLiteral("Button1"), QStringLiteral("Понятно!"));
    Button1->setGeometry(kButton1);
    connect(Button1, &QPushButton::clicked, this, Guarded([this] { Button1Click(); }));
    setTabOrder(Button1, RichEdit1);
    Button1->setFocus();  // the first control in keyboard order, on the first showing
}

// Top and bottom strips keep their heights, the text box takes the rest; the button keeps
// its place from the left edge.
void Tuved::LayOut()
{
    auto *strips = new QVBoxLayout(this);
    strips->setContentsMargins(0, 0, 0, 0);
    strips->setSpacing(0);
    Panel1->setFixedHeight(kTopStrip);
    Panel2->setFixedHeight(kBottomStrip);
    strips->addWidget(Panel1);
    strips->addWidget(Panel3, 1);
    strips->addWidget(Panel2);
    auto *textBox = new QVBoxLayout(Panel3);
    textBox->setContentsMargins(0, 0, 0, 0);  // the panel's edge is the margin
    textBox->addWidget(RichEdit1);
}

void Tuved::ShowNotice(const QString &text)
{
    RichEdit1->setPlainText(text);
    // A screen reader names the window by its caption and reads its description when it
    // opens: the message itself, which the caption does not tell.
    setAccessibleDescription(text);
    if (!placed_)
        PlaceOnScreen();
    RestoreActivation activation;
    exec();
}

void Tuved::Button1Click() { close(); }

void Tuved::PlaceOnScreen()
{
    const QWidget *owner = parentWidget();
    const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen)
        PlaceCentredOnceFramed(*this, screen->geometry());
    placed_ = true;
}

void Tuved::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();  // no cancel button: Escape does nothing
        return;
    }
    QDialog::keyPressEvent(event);
}
