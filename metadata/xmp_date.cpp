#include "metadata/xmp_date.h"

#include <expat.h>

#include <algorithm>
#include <array>
#include <climits>
#include <memory>
#include <string>

namespace {

// Between a namespace and the local name in the names expat hands over.
constexpr char kNamespaceSeparator = ' ';

struct KeyName {
  std::string_view qualified; // namespace, separator, local name
  XmpDateKey key;
};

constexpr KeyName kKeyNames[] = {
    {"http://ns.adobe.com/exif/1.0/ DateTimeOriginal", XmpDateKey::ExifDateTimeOriginal},
    {"http://ns.adobe.com/xap/1.0/ CreateDate", XmpDateKey::XmpCreateDate},
    {"http://ns.adobe.com/photoshop/1.0/ DateCreated", XmpDateKey::PhotoshopDateCreated},
};
static_assert(std::size(kKeyNames) == static_cast<size_t>(XmpDateKey::PhotoshopDateCreated) + 1);

// A date value is "yyyy-mm-ddThh:mm:ss.fraction+hh:mm" at its longest; a
// longer text (a long fraction) is kept up to this and then stops growing.
constexpr size_t kMaxValueBytes = 64;

std::optional<size_t> KeyIndex(const char* name) {
  for (size_t i = 0; i < std::size(kKeyNames); ++i)
    if (kKeyNames[i].qualified == name) return i;
  return std::nullopt;
}

// The first value of each key, as the parse meets them.
struct Collected {
  std::array<std::optional<std::string>, std::size(kKeyNames)> values;
  std::optional<size_t> open; // the key whose element's text is being read
  int openDepth = 0;          // elements inside it
  std::string text;
};

void Keep(Collected& collected, size_t key, std::string_view value) {
  if (!collected.values[key]) collected.values[key] = std::string(value.substr(0, kMaxValueBytes));
}

void XMLCALL StartElement(void* data, const XML_Char* name, const XML_Char** attributes) {
  Collected& collected = *static_cast<Collected*>(data);
  if (collected.open) {
    ++collected.openDepth;
    return;
  }
  for (const XML_Char** at = attributes; at[0] && at[1]; at += 2)
    if (const std::optional<size_t> key = KeyIndex(at[0])) Keep(collected, *key, at[1]);
  if (const std::optional<size_t> key = KeyIndex(name)) {
    collected.open = key;
    collected.openDepth = 0;
    collected.text.clear();
  }
}

void XMLCALL EndElement(void* data, const XML_Char*) {
  Collected& collected = *static_cast<Collected*>(data);
  if (!collected.open) return;
  if (collected.openDepth > 0) {
    --collected.openDepth;
    return;
  }
  Keep(collected, *collected.open, collected.text);
  collected.open.reset();
}

void XMLCALL Characters(void* data, const XML_Char* text, int length) {
  Collected& collected = *static_cast<Collected*>(data);
  if (!collected.open || collected.openDepth > 0 || length <= 0) return;
  const size_t room = kMaxValueBytes - std::min(kMaxValueBytes, collected.text.size());
  collected.text.append(text, std::min(room, static_cast<size_t>(length)));
}

struct ParserFree {
  void operator()(XML_ParserStruct* parser) const { XML_ParserFree(parser); }
};

std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kBlanks(" \t\r\n", 4);
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

} // namespace

std::optional<StatedDate> ParseXmpDateText(std::string_view raw) {
  const std::string_view text = Trimmed(raw);
  LocalDateTime time{};
  if (!DigitsAt(text, 0, 4, time.year) || text.size() < 10 || text[4] != '-' || text[7] != '-' ||
      !DigitsAt(text, 5, 2, time.month) || !DigitsAt(text, 8, 2, time.day))
    return std::nullopt;
  size_t at = 10;
  std::optional<int> offset;
  bool utc = false;
  if (at < text.size()) {
    if (text[at] != 'T' || !DigitsAt(text, at + 1, 2, time.hour) || text.size() < at + 6 ||
        text[at + 3] != ':' || !DigitsAt(text, at + 4, 2, time.minute))
      return std::nullopt;
    at += 6;
    if (at < text.size() && text[at] == ':') {
      if (!DigitsAt(text, at + 1, 2, time.second)) return std::nullopt;
      at += 3;
      if (at < text.size() && text[at] == '.') {
        ++at;
        const size_t digitsFrom = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9')
          ++at;
        if (at == digitsFrom) return std::nullopt;
      }
    }
    if (at < text.size()) {
      int hours = 0;
      int minutes = 0;
      const std::string_view zone = text.substr(at);
      if (zone == "Z") {
        utc = true;
      } else if ((zone[0] == '+' || zone[0] == '-') && DigitsAt(zone, 1, 2, hours) &&
                 ((zone.size() == 6 && zone[3] == ':' && DigitsAt(zone, 4, 2, minutes)) ||
                  (zone.size() == 5 && DigitsAt(zone, 3, 2, minutes)))) {
        constexpr int kMaxOffsetHours = 14; // the widest offset in use
        if (hours > kMaxOffsetHours || minutes > 59) return std::nullopt;
        offset = (zone[0] == '-' ? -1 : 1) * (hours * 60 + minutes);
      } else {
        return std::nullopt;
      }
    }
  }
  if (!IsRealDate(time)) return std::nullopt;
  if (utc) return LocalOfUtc(time);
  return StatedDate{time, offset};
}

std::optional<XmpDate> ReadXmpDate(std::string_view bytes) {
  if (bytes.size() > kMaxXmpBytes) return std::nullopt;
  // Writers pad a packet with blanks and zeros behind its end; zeros are no
  // XML, and the padding holds nothing.
  const size_t end = bytes.find_last_not_of(std::string_view(" \t\r\n\0", 5));
  if (end == std::string_view::npos) return std::nullopt;
  bytes = bytes.substr(0, end + 1);
  static_assert(kMaxXmpBytes <= static_cast<size_t>(INT_MAX));

  const std::unique_ptr<XML_ParserStruct, ParserFree> parser(
      XML_ParserCreateNS(nullptr, kNamespaceSeparator));
  if (!parser) return std::nullopt;
  Collected collected;
  XML_SetUserData(parser.get(), &collected);
  XML_SetElementHandler(parser.get(), StartElement, EndElement);
  XML_SetCharacterDataHandler(parser.get(), Characters);
  if (XML_Parse(parser.get(), bytes.data(), static_cast<int>(bytes.size()), XML_TRUE) !=
      XML_STATUS_OK)
    return std::nullopt;
  for (size_t key = 0; key < std::size(kKeyNames); ++key) {
    if (!collected.values[key]) continue;
    if (std::optional<StatedDate> date = ParseXmpDateText(*collected.values[key]))
      return XmpDate{*date, kKeyNames[key].key};
  }
  return std::nullopt;
}
