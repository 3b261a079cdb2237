#include "graphics/BackgroundFiles.h"

#include "values/Errors.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

namespace velmora {

namespace {

    QString localName(const std::string& fileName)
    {
        return QFile::decodeName(QByteArray::fromStdString(fileName));
    }

    QImage readPicture(const std::string& fileName)
    {
        QImageReader reader(localName(fileName));
        QImage picture = reader.read();
        if (!picture.isNull())
            return picture;
        const bool unreadable = reader.error() == QImageReader::FileNotFoundError
            || reader.error() == QImageReader::DeviceError;
        throw eLogoException(unreadable ? erFileProblem : erImageFile, fileName);
    }

} // namespace

void saveBackground(Surface& surface, const std::string& fileName)
{
    QImage copy;
    {
        std::lock_guard hold(surface.lock());
        copy = surface.bitmap().copy();
    }
    if (!copy.save(localName(fileName)))
        throw eLogoException(erFileCreate, fileName);
}

void loadBackground(Surface& surface, const std::string& fileName)
{
    const QImage picture = readPicture(fileName);
    {
        std::lock_guard hold(surface.lock());
        surface.bitmap().fill(surface.background());
        QPainter painter(&surface.bitmap());
        painter.drawImage(0, 0, picture);
    }
    surface.invalidate(surface.bounds());
}

} // namespace velmora
