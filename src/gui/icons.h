#pragma once
// Icons of the picture buttons: the desktop theme's where it has one, else drawn here
// so the program needs no image plugin.
#include <QIcon>

enum class Glyph { YearToDate, Overtime, Vacation, Print, Clear, Add, Logo };

QIcon buttonIcon(Glyph glyph);
// The program's own icon (window icon, about box).
QIcon programIcon();
