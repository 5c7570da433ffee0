#include "JavaRecord.h"

#include <cctype>

namespace {

const std::string FIELD_END = "\r\n";
constexpr char KEY_END = '=';
constexpr char LENGTH_END = ':';
constexpr size_t DECIMAL_BASE = 10;

// Reads the decimal length at position; false when there is none or the
// digits run to the end of the text.
bool ReadLength(const std::string& record, size_t& position, size_t& length)
{
    const size_t start = position;
    length = 0;
    while (position < record.size() &&
           std::isdigit(static_cast<unsigned char>(record[position]))) {
        length = length * DECIMAL_BASE + static_cast<size_t>(record[position] - '0');
        ++position;
    }
    return position > start && position < record.size() && record[position] == LENGTH_END;
}

}  // namespace

std::string JavaRecordField(const std::string& key, const std::string& value)
{
    return key + KEY_END + std::to_string(value.size()) + LENGTH_END + value + FIELD_END;
}

std::vector<JavaRecordEntry> ParseJavaRecord(const std::string& record)
{
    std::vector<JavaRecordEntry> entries;
    size_t position = 0;
    while (position < record.size()) {
        const size_t keyEnd = record.find(KEY_END, position);
        size_t length = 0;
        size_t valueStart = keyEnd + 1;
        if (keyEnd == std::string::npos || !ReadLength(record, valueStart, length)) {
            break;
        }
        ++valueStart;  // past the length's end
        if (valueStart + length + FIELD_END.size() > record.size() ||
            record.compare(valueStart + length, FIELD_END.size(), FIELD_END) != 0) {
            break;
        }
        entries.push_back({record.substr(position, keyEnd - position),
                           record.substr(valueStart, length)});
        position = valueStart + length + FIELD_END.size();
    }
    return entries;
}

std::vector<std::string> JavaRecordValues(const std::string& record, const std::string& key)
{
    std::vector<std::string> values;
    for (const JavaRecordEntry& entry : ParseJavaRecord(record)) {
        if (entry.key == key) {
            values.push_back(entry.value);
        }
    }
    return values;
}

std::string JavaRecordValue(const std::string& record, const std::string& key)
{
    const std::vector<std::string> values = JavaRecordValues(record, key);
    return values.empty() ? std::string() : values.front();
}

bool JavaRecordFinished(const std::string& record)
{
    return !JavaRecordValues(record, FIELD_FINISHED).empty();
}
