#pragma once

#include <QString>

// The makers' own web site: the base of the update, search and download pages.
inline const QString kMakerSiteAddress = QStringLiteral("http://www.varnel.example");

// The partner shop the side panel links to, and its name as the captions show it.
inline const QString kPartnerSiteAddress = QStringLiteral("http://www.techshop.example");
inline const QString kPartnerSiteName = QStringLiteral("TechShop.example");
