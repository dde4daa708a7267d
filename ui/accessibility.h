// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the program's controls tell a screen reader, beyond the toolkit's own interfaces:
// - a drop-down list is named by its label and reports its chosen item as its value and as
//   its description; a change of the item is announced as a change of the description,
//   the one change of a closed list that Orca reads out;
// - a line edit reports its whole text as one run without attributes, so that a screen
//   reader never cuts the text at a run boundary, and a read-only one (a result box) offers
//   no editable-text interface: it can be read and selected, never changed.
// Installed once, before the first window is shown.
void InstallAccessibility();

class QString;
class QWidget;

// Gives a window its title and the same name for screen readers. Qt 6.11 takes a window's
// name from its platform window, which exists only from the window's first showing on: a
// window not yet shown (the notice is made hidden at start-up) would be nameless.
void SetWindowTitleAndName(QWidget *window, const QString &title);
