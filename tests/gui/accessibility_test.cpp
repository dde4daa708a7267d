// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "guitest.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QLineEdit>
#include <QTest>

namespace {

QAccessibleInterface *Accessible(QObject *object)
{
    QAccessibleInterface *found = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(found, nullptr);
    return found;
}

QString ShownText(QAccessibleInterface *accessible)
{
    QAccessibleTextInterface *text = accessible->textInterface();
    return text ? text->text(0, text->characterCount()) : QStringLiteral("<no text>");
}

using AccessibilityTest = GuiTest;

TEST_F(AccessibilityTest, ListIsNamedByItsLabelAndShowsItsItemBeforeAndAfterAChange)
{
    DropDownList *list = Page().ComboBox4;
    QAccessibleInterface *accessible = Accessible(list);
    EXPECT_EQ(accessible->role(), QAccessible::ComboBox);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Настроечная температура термоголовки:");
    EXPECT_EQ(accessible->text(QAccessible::Value), "50");
    EXPECT_EQ(ShownText(accessible), "50");
    list->setCurrentIndex(5);
    EXPECT_EQ(accessible->text(QAccessible::Value), "60");
    EXPECT_EQ(ShownText(accessible), "60");
    // All of it selected: the chosen item; nothing of it editable.
    int start = -1, end = -1;
    ASSERT_NE(accessible->textInterface(), nullptr);
    accessible->textInterface()->selection(0, &start, &end);
    EXPECT_EQ(std::pair(start, end), std::pair(0, 2));
    EXPECT_EQ(accessible->editableTextInterface(), nullptr);
    EXPECT_TRUE(accessible->state().collapsed);
}

// A screen reader opens a list by its action and hears it open and close again.
TEST_F(AccessibilityTest, ListOpensByItsActionAndSaysWhetherItIsOpen)
{
    DropDownList *list = Page().ComboBox3;
    QAccessibleInterface *accessible = Accessible(list);
    QAccessibleActionInterface *actions = accessible->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_TRUE(accessible->state().expandable);
    actions->doAction(QAccessibleActionInterface::showMenuAction());
    ASSERT_TRUE(QTest::qWaitFor([list] { return list->view()->isVisible(); }));
    EXPECT_TRUE(accessible->state().expanded);
    EXPECT_FALSE(accessible->state().collapsed);
    actions->doAction(QAccessibleActionInterface::showMenuAction());
    ASSERT_TRUE(QTest::qWaitFor([list] { return !list->view()->isVisible(); }));
    EXPECT_FALSE(accessible->state().expanded);
    EXPECT_TRUE(accessible->state().collapsed);
}

TEST_F(AccessibilityTest, BoxTextIsOneRunWithoutAttributes)
{
    Page().BitBtn1->click();
    QAccessibleTextInterface *text = Accessible(Page().Edit9)->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()), Page().Edit9->text());
    for (int offset = 0; offset < text->characterCount(); ++offset) {
        int start = -1, end = -1;
        EXPECT_EQ(text->attributes(offset, &start, &end), "");
        EXPECT_EQ(std::pair(start, end), std::pair(0, text->characterCount())) << offset;
    }
}

TEST_F(AccessibilityTest, ResultBoxesAreReadableButNotEditableAndTheLengthBoxIsEditable)
{
    Page().BitBtn1->click();
    for (QLineEdit *box : {Page().Edit6, Page().Edit3, Page().Edit5, Page().Edit9, Page().Edit1,
                           Page().Edit8, Page().Edit13}) {
        QAccessibleInterface *accessible = Accessible(box);
        EXPECT_EQ(accessible->editableTextInterface(), nullptr) << box->objectName().toStdString();
        EXPECT_TRUE(accessible->state().readOnly);
        EXPECT_FALSE(accessible->state().editable);
        EXPECT_TRUE(accessible->state().selectableText);
        EXPECT_EQ(ShownText(accessible), box->text());
        const QString shown = box->text();
        accessible->setText(QAccessible::Value, QStringLiteral("999"));
        EXPECT_EQ(box->text(), shown);
    }
    QAccessibleInterface *length = Accessible(Page().Edit4);
    ASSERT_NE(length->editableTextInterface(), nullptr);
    EXPECT_TRUE(length->state().editable);
    length->editableTextInterface()->replaceText(0, 2, QStringLiteral("75"));
    EXPECT_EQ(Page().Edit4->text(), "75");
}

// Named by the windows themselves: Qt 6.11 would take the name from a platform window, which
// the notice has not before its first showing.
TEST_F(AccessibilityTest, EveryWindowIsNamedByItsTitleBeforeItIsShown)
{
    ASSERT_FALSE(Notice().isVisible());
    for (QWidget *window : {static_cast<QWidget *>(&Form()), static_cast<QWidget *>(&Notice())}) {
        EXPECT_EQ(window->accessibleName(), window->windowTitle());
        EXPECT_EQ(Accessible(window)->text(QAccessible::Name), window->windowTitle());
    }
    EXPECT_EQ(Notice().windowTitle(), "uved");
}

TEST_F(AccessibilityTest, NoticeDescribesItselfByItsMessage)
{
    ExpectNotice();
    Page().ComboBox4->setCurrentIndex(5);
    Page().ComboBox6->setCurrentIndex(0);
    Page().BitBtn1->click();
    ASSERT_EQ(notices.size(), 1u);
    QAccessibleInterface *accessible = Accessible(&Notice());
    EXPECT_EQ(accessible->text(QAccessible::Name), "uved");
    EXPECT_EQ(accessible->text(QAccessible::Description),
              "Настроечная температура не должна превышать температуру котла!");
}

} // namespace
