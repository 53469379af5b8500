#include "LumenoteScan.h"

#include "InputReader.h"
#include "OutputBuffer.h"
#include "ScanError.h"
#include "ScriptScanner.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace lumenote::fuzz {
namespace {

// Closes a descriptor when the scan ends, also by an exception.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

void ScanScript(std::string_view text) {
    const Descriptor in{::memfd_create("script", MFD_CLOEXEC)};
    const Descriptor out{::open("/dev/null", O_WRONLY | O_CLOEXEC)};
    if (in.fd < 0 || out.fd < 0)
        throw ScanError("cannot open the fuzzer's files");
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(in.fd, text.data() + done, text.size() - done);
        if (n <= 0)
            throw ScanError("cannot write the fuzzer's input");
        done += static_cast<std::size_t>(n);
    }
    ::lseek(in.fd, 0, SEEK_SET);
    InputReader reader(in.fd);
    // A small page buffer, so that its flushing is exercised too.
    OutputBuffer page(out.fd, 512);
    ScriptScanner scanner(reader, page);
    scanner.run();
    if (!page.flush())
        throw ScanError("writing the page failed");
}

} // namespace lumenote::fuzz
