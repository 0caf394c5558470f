// Internal drawing helpers shared by the picture painters.
#pragma once

#include "picturegen.h"

#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRectF>

namespace velkora::picturegen::detail {

// The program's colours. The dark strips are deep blue running into teal; the
// page toolbar is a pale blue-grey with dark text.
namespace colors {
inline const QColor titleDeep{0x0b, 0x3f, 0x5c};
inline const QColor titleTeal{0x0f, 0x66, 0x74};
inline const QColor toolbarTop{0x17, 0x7f, 0x8e};
inline const QColor toolbarBottom{0x0c, 0x52, 0x62};
inline const QColor teal{0x12, 0x75, 0x84};
inline const QColor tealDark{0x0b, 0x4a, 0x57};
inline const QColor tealLight{0x8f, 0xe3, 0xec};
inline const QColor mist{0xe3, 0xf5, 0xf7};
inline const QColor amber{0xff, 0xc9, 0x4d};
inline const QColor amberDeep{0xf2, 0x9e, 0x2e};
inline const QColor alertRed{0xe5, 0x48, 0x4d};
inline const QColor closeRed{0xe0, 0x3e, 0x3e};
inline const QColor closeRedDeep{0xa8, 0x22, 0x25};
inline const QColor fresh{0x3d, 0xd6, 0x8c};
inline const QColor ink{0x1f, 0x3b, 0x4d};
inline const QColor paleTop{0xf7, 0xfa, 0xfb};
inline const QColor paleBottom{0xe0, 0xea, 0xee};
inline const QColor paleLine{0xbf, 0xd0, 0xd7};
} // namespace colors

inline constexpr const char *kFontFamily = "Noto Sans CJK SC";

QFont uiFont(int pixelSize, bool bold = false);

// Backgrounds that neighbouring pictures share, so that they join without seams.
QLinearGradient toolbarGradient(qreal height);         // main toolbar, vertical
QLinearGradient pageStripGradient(qreal stripHeight);  // page toolbar strip, vertical
void paintTitleSheen(QPainter &p, const QRectF &rect); // highlight + bottom edge of title strip

// 32 x 32 toolbar icons, drawn into box.
void drawToolIcon(QPainter &p, const QRectF &box, const QString &key);
// The program's icon on a 32 x 32 grid, drawn into box.
void drawAppIcon(QPainter &p, const QRectF &box);
// 16 x 16 page toolbar glyphs in one colour.
void drawPageGlyph(QPainter &p, const QRectF &box, const QString &key, const QColor &color);
// 10 x 10 title strip glyphs.
void drawTitleGlyph(QPainter &p, const QRectF &box, const QString &key, const QColor &color);

void paintMainToolButton(QPainter &p, const PictureInfo &info);
void paintTitleButton(QPainter &p, const PictureInfo &info);
void paintPageToolButton(QPainter &p, const PictureInfo &info);
void paintDialogButton(QPainter &p, const PictureInfo &info);
void paintTitleStrip(QPainter &p, const PictureInfo &info);
void paintBanner(QPainter &p, const PictureInfo &info);
void paintTreeHeader(QPainter &p, const PictureInfo &info);
void paintPageToolbar(QPainter &p, const PictureInfo &info);
void paintChestRadiograph(QPainter &p, const PictureInfo &info);
void paintAudiogram(QPainter &p, const PictureInfo &info);
void paintExamBackground(QPainter &p, const PictureInfo &info);
void paintExamBanner(QPainter &p, const PictureInfo &info);
void paintExamTerminal(QPainter &p, const PictureInfo &info);
void paintExamRibbon(QPainter &p, const PictureInfo &info);
void paintExamCard(QPainter &p, const PictureInfo &info);
void paintExamPhoto(QPainter &p, const PictureInfo &info);
void paintExamEntryButton(QPainter &p, const PictureInfo &info);
void paintExamBarButton(QPainter &p, const PictureInfo &info);
void paintMaintenanceBackground(QPainter &p, const PictureInfo &info);

} // namespace velkora::picturegen::detail
