#pragma once

#include <QAccessible>
#include <QString>
#include <functional>

class QWidget;

namespace ui {

// What a screen reader learns about the reader's own controls. Qt's stock interfaces see the
// skinned frame, the caption buttons and the link labels only as anonymous widgets; these
// hooks give them roles, names and actions without changing how they look or behave.
namespace accessibility {

// Makes the reader's interfaces. Once, after the application object exists and before the
// first window is made.
void installReaderFactory();

// `control` plays `role` (a window, a push button, a link); when `press` is given, its press
// action runs it, as a click on the control does. Its name is its accessible name or, for a
// label, its text as spokenText reads it. Meant for setting a window up, before it is shown.
void exposeAs(QWidget* control, QAccessible::Role role, std::function<void()> press = {});

// `widget` is decoration; a screen reader never meets it. Also before the window is shown.
void hideFromScreenReaders(QWidget* widget);
bool isHiddenFromScreenReaders(const QObject* object);

// A caption as one line: line breaks and runs of spaces become single spaces.
QString spokenText(const QString& caption);

} // namespace accessibility

} // namespace ui
