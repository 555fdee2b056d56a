#pragma once

#include <QString>

// The product's fixed texts.
namespace ProductInfo {

inline const QString Title = QStringLiteral("Quilra");
inline const QString Version = QStringLiteral("v1.0");
inline const QString WebAddress = QStringLiteral("https://quilra.github.io/");

} // namespace ProductInfo
