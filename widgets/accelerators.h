// Accelerators of captions: a single "&" marks the next character (shown
// underlined), "&&" stands for one literal ampersand.
#pragma once

#include <QChar>
#include <QString>

namespace velmora::widgets {

// The caption without its accelerator marks: "&&" becomes "&", an "&" before
// any other character is dropped. The last character is never examined, so a
// trailing "&" stays.
QString StripAccelerators(const QString& text);

// The character a single "&" marks, or a null QChar when there is none.
QChar AcceleratorOf(const QString& caption);

} // namespace velmora::widgets
