#include "StartDirectory.h"

bool IsUsableStartDirectoryLength(unsigned long reportedLength)
{
    return reportedLength != 0 && reportedLength < PATH_BUFFER_SIZE;
}
