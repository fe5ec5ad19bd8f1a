#include "io/CKorvexZipDevice.h"

#include <QFileDevice>

#include <limits>

namespace {

QFileDevice* device(voidpf stream)
{
    return static_cast<QFileDevice*>(stream);
}

voidpf ZCALLBACK openDevice(voidpf, const void* path, int)
{
    auto* file = static_cast<QFileDevice*>(const_cast<void*>(path));
    return file && file->isOpen() ? file : nullptr;
}

uLong ZCALLBACK readDevice(voidpf, voidpf stream, void* buffer, uLong size)
{
    const qint64 read = device(stream)->read(static_cast<char*>(buffer), qint64(size));
    return read < 0 ? 0 : uLong(read);
}

uLong ZCALLBACK writeDevice(voidpf, voidpf stream, const void* buffer, uLong size)
{
    const qint64 written = device(stream)->write(static_cast<const char*>(buffer), qint64(size));
    return written < 0 ? 0 : uLong(written);
}

ZPOS64_T ZCALLBACK tellDevice(voidpf, voidpf stream)
{
    return ZPOS64_T(device(stream)->pos());
}

long ZCALLBACK seekDevice(voidpf, voidpf stream, ZPOS64_T offset, int origin)
{
    QFileDevice* file = device(stream);
    qint64 base = 0;
    switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET:
        break;
    case ZLIB_FILEFUNC_SEEK_CUR:
        base = file->pos();
        break;
    case ZLIB_FILEFUNC_SEEK_END:
        base = file->size();
        break;
    default:
        return -1;
    }
    // Offsets come from archive headers and may be absurd.
    if (offset > ZPOS64_T(std::numeric_limits<qint64>::max() - base))
        return -1;
    return file->seek(base + qint64(offset)) ? 0 : -1;
}

int ZCALLBACK closeDevice(voidpf, voidpf)
{
    return 0;
}

int ZCALLBACK deviceError(voidpf, voidpf stream)
{
    return device(stream)->error() == QFileDevice::NoError ? 0 : 1;
}

} // namespace

zlib_filefunc64_def CKorvexZipDevice::functions()
{
    zlib_filefunc64_def functions{};
    functions.zopen64_file = openDevice;
    functions.zread_file = readDevice;
    functions.zwrite_file = writeDevice;
    functions.ztell64_file = tellDevice;
    functions.zseek64_file = seekDevice;
    functions.zclose_file = closeDevice;
    functions.zerror_file = deviceError;
    functions.opaque = nullptr;
    return functions;
}
