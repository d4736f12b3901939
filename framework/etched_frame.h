#pragma once

class QPainter;
class QString;
class QWidget;

namespace tqr::fw {

// Paints a group box as the classic dialogs draw it: an etched frame whose
// title sits on its top line, in `widget`'s palette and font.
void paint_etched_frame(QPainter& p, const QWidget& widget, const QString& title);

} // namespace tqr::fw
