// The POSIX side of IsWriteProtected: stat for the kind and the mode bits,
// access for the current user's own right to write.
#include "core/text/FileAccess.h"

#include <sys/stat.h>
#include <unistd.h>

namespace tarvo {

bool IsWriteProtected(const std::filesystem::path& name) {
    if (name.empty()) return false;
    struct stat info {};
    if (::stat(name.c_str(), &info) != 0) return true;
    if (!S_ISREG(info.st_mode)) return true;
    // The owner's bit decides even for a privileged user, as it does for the
    // safe replacement; access() adds what the bit alone cannot tell (a file
    // of another user, a read-only mount).
    if ((info.st_mode & S_IWUSR) == 0) return true;
    return ::access(name.c_str(), W_OK) != 0;
}

} // namespace tarvo
