#include "output/export/jpeg_writer.h"

// libjpeg's header needs FILE declared first.
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <string>

#include "common/binary_file.h"
#include "output/export/export_messages.h"

namespace qm {
namespace {

// libjpeg's default error handler ends the process; this one jumps back to compress() with
// libjpeg's message.
struct ErrorManager {
    jpeg_error_mgr base;  // first, so the pointer libjpeg holds is this one's
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX];
};

void leaveOnError(j_common_ptr info)
{
    auto* error = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, error->message);
    std::longjmp(error->escape, 1);
}

// Everything libjpeg allocates for one picture, freed however compress() ends. It lives outside
// compress(), so nothing the jump skips has to be cleaned up.
struct Compression {
    jpeg_compress_struct info{};
    ErrorManager error{};
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* stream = nullptr;  // writes into buffer

    Compression() = default;
    Compression(const Compression&) = delete;
    Compression& operator=(const Compression&) = delete;
    ~Compression()
    {
        jpeg_destroy_compress(&info);
        if (stream) std::fclose(stream);
        std::free(buffer);
    }
};

// False, with libjpeg's message in the error manager, when libjpeg gave up.
bool compress(Compression& c, const RgbRows& picture, int quality)
{
    c.info.err = jpeg_std_error(&c.error.base);
    c.error.base.error_exit = leaveOnError;
    if (setjmp(c.error.escape)) return false;
    jpeg_create_compress(&c.info);
    jpeg_stdio_dest(&c.info, c.stream);
    c.info.image_width = static_cast<JDIMENSION>(picture.width);
    c.info.image_height = static_cast<JDIMENSION>(picture.height);
    c.info.input_components = 3;
    c.info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c.info);
    jpeg_set_quality(&c.info, quality, TRUE);
    jpeg_start_compress(&c.info, TRUE);
    while (c.info.next_scanline < c.info.image_height) {
        // libjpeg only reads the line, through a pointer type that is not const.
        JSAMPROW line = const_cast<JSAMPROW>(picture.bytes.data() + c.info.next_scanline * picture.bytesPerLine);
        jpeg_write_scanlines(&c.info, &line, 1);
    }
    jpeg_finish_compress(&c.info);
    return true;
}

bool rowsFitBytes(const RgbRows& picture)
{
    if (picture.width <= 0 || picture.height <= 0) return true;  // libjpeg refuses an empty picture itself
    const std::size_t lineBytes = static_cast<std::size_t>(picture.width) * 3;
    if (picture.bytesPerLine < lineBytes || picture.bytes.size() < lineBytes) return false;
    // The last line needs only its pixels, not its padding.
    return (picture.bytes.size() - lineBytes) / picture.bytesPerLine >= static_cast<std::size_t>(picture.height - 1);
}

}  // namespace

bool isJpegQuality(int quality) { return quality >= kLowestJpegQuality && quality <= kHighestJpegQuality; }

CommandOutcome SaveJpeg(const RgbRows& picture, int quality, const std::filesystem::path& path,
                        const FileFaults& faults)
{
    if (!isJpegQuality(quality)) return CommandOutcome::refused(ExportMessages::InvalidJpegFactor);
    if (!rowsFitBytes(picture))
        return CommandOutcome::failed(Failure{FailureKind::Io, path, "The picture has fewer bytes than its size."});
    Compression c;
    c.stream = ::open_memstream(&c.buffer, &c.size);
    if (!c.stream) return CommandOutcome::failed(Failure{FailureKind::Io, path, "Out of memory."});
    if (!compress(c, picture, quality)) return CommandOutcome::failed(Failure{FailureKind::Io, path, c.error.message});
    std::fclose(c.stream);
    c.stream = nullptr;
    if (Status written = writeFileAtomically(path, std::string_view(c.buffer, c.size), faults); !written)
        return CommandOutcome::failed(written.failure());
    return CommandOutcome::done();
}

}  // namespace qm
