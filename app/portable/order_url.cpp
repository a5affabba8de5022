#include "app/portable/order_url.h"

#include "app/portable/endpoints.h"

namespace quorvane {
namespace {

bool IsUnreserved(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
         byte == '-' || byte == '.' || byte == '_' || byte == '~';
}

}  // namespace

Text BuildOrderUrl(std::string_view product_id) {
  return Text::Join({"https://", kShopHost, "/norder/order.action?wareId=", product_id,
                     "&wareNum=1&enterOrder=true"});
}

Text BuildRequestUrl(std::string_view order_url) {
  return Text::Join({"http://", kQrServiceHost, "/api.php?text=", PercentEncode(order_url)});
}

std::string PercentEncode(std::string_view text) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  std::string encoded;
  encoded.reserve(text.size() * 3);
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsUnreserved(byte)) {
      encoded += c;
    } else {
      encoded += '%';
      encoded += kHexDigits[byte >> 4];
      encoded += kHexDigits[byte & 0x0F];
    }
  }
  return encoded;
}

}  // namespace quorvane
