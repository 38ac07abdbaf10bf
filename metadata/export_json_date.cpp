#include "metadata/export_json_date.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cstdint>
#include <string>

namespace {

// 9999-12-31 23:59:59 UTC: later moments are no real date.
constexpr int64_t kLastRealSecond = 253402300799;

// Follows the events of the parse and keeps the timestamp of the top
// object's photoTakenTime. The depth is counted, not stacked, so a deep
// document costs no memory here.
class TakenTimeFinder final : public nlohmann::json_sax<nlohmann::json> {
public:
  std::optional<int64_t> seconds;

  bool null() override { return Value(); }
  bool boolean(bool) override { return Value(); }
  bool number_integer(number_integer_t value) override {
    if (AtTimestamp()) Take(value);
    return Value();
  }
  bool number_unsigned(number_unsigned_t value) override {
    if (AtTimestamp() && value <= static_cast<uint64_t>(kLastRealSecond))
      Take(static_cast<int64_t>(value));
    return Value();
  }
  bool number_float(number_float_t, const string_t&) override { return Value(); }
  bool string(string_t& text) override {
    if (AtTimestamp()) {
      int64_t value = 0;
      const char* end = text.data() + text.size();
      const auto [stop, error] = std::from_chars(text.data(), end, value);
      if (error == std::errc() && stop == end && !text.empty()) Take(value);
    }
    return Value();
  }
  bool binary(binary_t&) override { return Value(); }
  bool start_object(std::size_t) override {
    if (depth_ == 1) inTaken_ = key_ == Key::TakenTime;
    ++depth_;
    key_ = Key::Other;
    return true;
  }
  bool end_object() override { return End(); }
  bool start_array(std::size_t) override {
    if (depth_ == 1) inTaken_ = false;
    ++depth_;
    key_ = Key::Other;
    return true;
  }
  bool end_array() override { return End(); }
  bool key(string_t& name) override {
    key_ = Key::Other;
    if (depth_ == 1 && name == "photoTakenTime") key_ = Key::TakenTime;
    if (depth_ == 2 && inTaken_ && name == "timestamp") key_ = Key::Timestamp;
    return true;
  }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
    seconds.reset();
    return false;
  }

private:
  enum class Key { Other, TakenTime, Timestamp };
  bool AtTimestamp() const { return depth_ == 2 && inTaken_ && key_ == Key::Timestamp; }
  void Take(int64_t value) {
    if (!seconds) seconds = value;
  }
  bool Value() {
    key_ = Key::Other;
    return true;
  }
  bool End() {
    --depth_;
    if (depth_ <= 1) inTaken_ = false;
    key_ = Key::Other;
    return true;
  }
  int depth_ = 0;
  bool inTaken_ = false; // inside the top object's photoTakenTime
  Key key_ = Key::Other;
};

} // namespace

std::optional<StatedDate> ReadExportJsonDate(std::string_view bytes) {
  if (bytes.size() > kMaxExportJsonBytes) return std::nullopt;
  TakenTimeFinder finder;
  // A parse error reaches the finder, which ends the parse: nothing throws.
  if (!nlohmann::json::sax_parse(bytes.begin(), bytes.end(), &finder)) return std::nullopt;
  if (!finder.seconds || *finder.seconds <= 0 || *finder.seconds > kLastRealSecond)
    return std::nullopt;
  return LocalOfUtcSeconds(*finder.seconds);
}
