// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class Panel;
class PushButton;
class QTextEdit;

// The notice window uved: a text box and the button "Понятно!". Created hidden at start-up
// and reused; each notice replaces the whole text and waits modally until the window closes.
// Escape does nothing, as the window has no cancel button; Enter or Space press the button
// while it has the focus.
class Tuved : public QDialog {
    Q_OBJECT

public:
    explicit Tuved(QWidget *parent);

    // Returns when the user has closed the window. Centred on the screen the first time,
    // afterwards it opens where it was left.
    void ShowNotice(const QString &text);
    void Button1Click();

    Panel *Panel1 = nullptr;
    Panel *Panel3 = nullptr;
    QTextEdit *RichEdit1 = nullptr;
    Panel *Panel2 = nullptr;
    PushButton *Button1 = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void CreateControls();
    void LayOut();
    void PlaceOnScreen();

    bool placed_ = false;
};
