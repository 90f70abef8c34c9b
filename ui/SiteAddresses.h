#pragma once

#include <QString>

namespace ui {

// The makers' own web site: the base of the update, search and download pages.
inline const QString kMakerSiteAddress = QStringLiteral("http://www.varnel.example");

// The partner shop the side panel links to, and its name as the captions show it. The name
// is one narrow letter long: "товаров на i.example -" and the gap for "20%" take the side
// panel's whole width in the links' own font.
inline const QString kPartnerSiteAddress = QStringLiteral("http://www.i.example");
inline const QString kPartnerSiteName = QStringLiteral("i.example");

} // namespace ui
