#pragma once

#include <QFont>
#include <QRect>

#include <string>

namespace tqr::fw {

// The font a form names, or a metric-compatible one where the system does
// not have it.
QFont form_font(const std::string& family, int points);

// Dialog units of a font: horizontal units are a quarter of the average
// character width, vertical ones an eighth of the character height, so a
// form keeps its proportions under any font size or screen scale.
class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font);
    DialogUnits(int base_x, int base_y) : cx_(base_x), cy_(base_y) {}

    int x(int dlu) const;
    int y(int dlu) const;
    QRect rect(int x, int y, int w, int h) const;
    int base_x() const { return cx_; }
    int base_y() const { return cy_; }

  private:
    int cx_;
    int cy_;
};

// The dialog units of a form's font, measured once per font.
DialogUnits dialog_units_of(const std::string& family, int points);

} // namespace tqr::fw
