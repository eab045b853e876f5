// HostValue: the host-side value an evaluation result is kept in until it is rendered.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zor {

enum class HostValueKind { Empty, Integer, Double, Text, Boolean, Array };

class HostValue {
public:
    HostValue() = default;

    static HostValue Integer(int32_t value) { return HostValue(Payload(std::in_place_index<1>, value)); }
    static HostValue Double(double value) { return HostValue(Payload(std::in_place_index<2>, value)); }
    static HostValue Text(std::string_view bytes) {
        return HostValue(Payload(std::in_place_index<3>, bytes));
    }
    static HostValue Boolean(bool value) { return HostValue(Payload(std::in_place_index<4>, value)); }
    // An array of `count` Empty elements. Elements are never arrays themselves.
    static HostValue Array(size_t count);

    HostValueKind Kind() const noexcept { return static_cast<HostValueKind>(payload_.index()); }

    int32_t AsInteger() const { return std::get<1>(payload_); }
    double AsDouble() const { return std::get<2>(payload_); }
    const std::string& AsText() const { return std::get<3>(payload_); }
    bool AsBoolean() const { return std::get<4>(payload_); }
    const std::vector<HostValue>& Elements() const { return std::get<5>(payload_); }
    std::vector<HostValue>& Elements() { return std::get<5>(payload_); }

    bool operator==(const HostValue& other) const { return payload_ == other.payload_; }

private:
    using Payload = std::variant<std::monostate, int32_t, double, std::string, bool, std::vector<HostValue>>;
    explicit HostValue(Payload payload) : payload_(std::move(payload)) {}

    Payload payload_;
};

// A readable form for test failures and diagnostics; not the rendered text of the value.
void PrintTo(const HostValue& value, std::ostream* out);

}  // namespace zor
