#pragma once
// The two hosts the program knows: the shop's mobile site, whose checkout
// URL the QR code carries (the program never contacts it), and the QR-code
// image service that draws the code.
#include <string_view>

namespace quorvane {

inline constexpr std::string_view kShopHost = "m.velmo.com";         // https
inline constexpr std::string_view kQrServiceHost = "qr.quorvane.net";  // http

}  // namespace quorvane
