#include "store/id_format.h"

#include <cctype>

#include "base/string_printf.h"

std::string FormatId(std::string_view format, int number) {
  std::string out;
  bool used = false;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%' || i + 1 >= format.size()) {
      out += format[i];
      continue;
    }
    if (format[i + 1] == '%') {
      out += '%';
      ++i;
      continue;
    }
    size_t j = i + 1;
    while (j < format.size() &&
           (std::isdigit(static_cast<unsigned char>(format[j])) || format[j] == '.')) {
      ++j;
    }
    const std::string_view width = format.substr(i + 1, j - i - 1);
    const bool valid_width = width.find('.') == width.rfind('.') && width.size() <= 5;
    if (!used && valid_width && j < format.size() && (format[j] == 'd' || format[j] == 'i')) {
      const std::string conversion = "%" + std::string(width) + "d";
      out += StringPrintf(conversion.c_str(), number);
      used = true;
      i = j;
      continue;
    }
    out += '%';
  }
  return out;
}
