#pragma once
// The shop's checkout URL for one product, and the QR-code service request
// that asks for a picture of it.

#include <string>
#include <string_view>

#include "app/portable/block.h"

namespace quorvane {

// "https://" shop "/norder/order.action?wareId=" id "&wareNum=1&enterOrder=true";
// the identifier goes in as typed.
Text BuildOrderUrl(std::string_view product_id);

// "http://" service "/api.php?text=" and the order URL percent-encoded, so
// that the service takes the whole order URL, quantity and order step
// included, as the text to encode.
Text BuildRequestUrl(std::string_view order_url);

// Every byte outside A-Z, a-z, 0-9 and "-._~" as "%" and two upper-case
// hexadecimal digits.
std::string PercentEncode(std::string_view text);

}  // namespace quorvane
