#include "CommandTail.h"

#include "TextBuffer.h"

CommandTailScan ScanCommandTailText(const char* commandTail, char* argument, std::size_t capacity)
{
    CommandTailScan scan{};
    argument[0] = '\0';
    const char* position = commandTail;
    for (;;) {
        if (*position == '\0') {
            return scan;
        }
        if (*position == '-') {
            const char option = position[1];
            if (option == 'c') {
                ++scan.alternateFileOptions;
            }
            if (option == '\0') {
                return scan;
            }
            position += 2;
        } else if (*position == ' ') {
            ++position;
        } else {
            CopyTextCut(argument, capacity, position);
            scan.argumentFound = true;
            scan.argumentCut = BoundedLength(position, capacity) == capacity;
            return scan;
        }
    }
}
