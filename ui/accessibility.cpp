// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessibility.h"

#include "ui/controls.h"
#include "ui/errorreport.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLineEdit>

#include <utility>

namespace {

// A drop-down list, named by its label. Orca 43 reads a closed list's value from its
// selection or from its text, and the toolkit offers no selection interface on Linux; so the
// list shows its chosen item as a read-only text, all of it selected, and a change of the
// item as a replacement of that text, which Orca speaks as the new text is selected.
class DropDownListAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit DropDownListAccessible(DropDownList *list)
        : QAccessibleWidget(list, QAccessible::ComboBox), shown_(list->currentText()),
          announce_(QObject::connect(list, &QComboBox::currentIndexChanged, list,
                                     [this] { RunGuarded([this] { AnnounceItem(); }); }))
    {
    }
    ~DropDownListAccessible() override { QObject::disconnect(announce_); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The name is the label's caption (set on the list by its page); the toolkit's own
    // interface would name the list after its chosen item.
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return List()->currentText();
        return QAccessibleWidget::text(kind);
    }

    // The open list of items, as the toolkit's own interface has it.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == List()->view() ? 0 : -1;
    }

    QAccessible::State state() const override
    {
        QAccessible::State shown = QAccessibleWidget::state();
        shown.expandable = true;
        shown.expanded = List()->view()->isVisible();
        shown.collapsed = !shown.expanded;
        return shown;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (List()->view()->isVisible())
            List()->hidePopup();
        else
            List()->showPopup();
    }

    // Text: the chosen item, read-only, selected as a whole.
    QString text(int start, int end) const override { return Item().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Item().size()); }
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return Item().isEmpty() ? 0 : 1; }
    void selection(int index, int *start, int *end) const override
    {
        *start = 0;
        *end = index == 0 ? characterCount() : 0;
    }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint &) const override { return 0; }
    void scrollToSubstring(int, int) override {}

private:
    DropDownList *List() const { return static_cast<DropDownList *>(widget()); }
    QString Item() const { return List()->currentText(); }

    // The new item goes in before the old one goes out: Orca would take the removal of a
    // selected text first for the user's deletion, and say so.
    void AnnounceItem()
    {
        const QString previous = std::exchange(shown_, Item());
        QAccessibleTextInsertEvent inserted(List(), 0, shown_);
        QAccessible::updateAccessibility(&inserted);
        QAccessibleTextRemoveEvent removed(List(), static_cast<int>(shown_.size()), previous);
        QAccessible::updateAccessibility(&removed);
    }

    QString shown_;  // the item last announced, which the next change replaces
    QMetaObject::Connection announce_;
};

// A single-line text box. Its text is one run without attributes; a read-only box has no
// editable-text interface, and its editing calls change nothing.
class LineEditAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
public:
    explicit LineEditAccessible(QLineEdit *edit)
        : QAccessibleWidget(edit, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return Edit()->isReadOnly()
                ? nullptr
                : static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return Edit()->text();
        return QAccessibleWidget::text(kind);
    }
    void setText(QAccessible::Text kind, const QString &text) override
    {
        if (kind == QAccessible::Value && !Edit()->isReadOnly())
            Edit()->setText(text);
    }

    QAccessible::State state() const override
    {
        QAccessible::State shown = QAccessibleWidget::state();
        shown.readOnly = Edit()->isReadOnly();
        shown.editable = !shown.readOnly;
        shown.selectableText = true;
        return shown;
    }

    // Text
    QString text(int start, int end) const override
    {
        return Edit()->text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(Edit()->text().size()); }
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }
    int cursorPosition() const override { return Edit()->cursorPosition(); }
    void setCursorPosition(int position) override { Edit()->setCursorPosition(position); }
    int selectionCount() const override { return Edit()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index != 0 || !Edit()->hasSelectedText())
            return;
        *start = Edit()->selectionStart();
        *end = Edit()->selectionEnd();
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            Edit()->deselect();
    }
    void setSelection(int, int start, int end) override
    {
        Edit()->setSelection(start, end - start);
    }
    QRect characterRect(int offset) const override
    {
        // Measured from the cursor's place: the box shows its text from the left.
        const int before = Edit()->fontMetrics().horizontalAdvance(Edit()->text().left(offset));
        const int width = Edit()->fontMetrics().horizontalAdvance(Edit()->text().mid(offset, 1));
        const QRect inside = Edit()->contentsRect();
        const QPoint topLeft = Edit()->mapToGlobal(inside.topLeft() + QPoint(before, 0));
        return QRect(topLeft, QSize(width, inside.height()));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return Edit()->cursorPositionAt(Edit()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override
    {
        Edit()->setCursorPosition(end);
        Edit()->setCursorPosition(start);
    }

    // Editable text: only while the box is not read-only.
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        if (Edit()->isReadOnly())
            return;
        Edit()->setText(Edit()->text().replace(start, end - start, text));
    }

private:
    QLineEdit *Edit() const { return static_cast<QLineEdit *>(widget()); }
};

QAccessibleInterface *ProgramAccessible(const QString &className, QObject *object)
{
    auto *list = qobject_cast<DropDownList *>(object);
    if (list && className == QLatin1String("DropDownList"))
        return new DropDownListAccessible(list);
    auto *edit = qobject_cast<QLineEdit *>(object);
    if (edit && className == QLatin1String("QLineEdit"))
        return new LineEditAccessible(edit);
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    QAccessible::installFactory(ProgramAccessible);
    installed = true;
}

void SetWindowTitleAndName(QWidget *window, const QString &title)
{
    window->setWindowTitle(title);
    window->setAccessibleName(title);
}
