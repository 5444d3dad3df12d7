#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// The lines of a saved record file: UTF-8 (a leading byte-order mark is dropped) when the bytes
// are valid UTF-8, GBK otherwise. Lines end with CR LF, LF or CR; a final line break adds no line.
std::vector<std::string> DecodeRecordText(std::string_view bytes);

}  // namespace varnel
