// make_pictures <folder> [file name ...]
// Draws the built-in pictures, the button glyph and the icon into <folder> (resources/pictures).
// With file names, only those files are remade.

#include "resources/pictures.h"
#include "tools/catalogue.h"
#include "tools/fakewindow.h"
#include "tools/glyphs.h"
#include "tools/jpegwriter.h"

#include <QApplication>
#include <QDir>
#include <QStringList>
#include <QTextStream>

#include <exception>
#include <functional>

namespace {

constexpr int kJpegQuality = 90;

QString FileNameOf(std::string_view name)
{
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

struct Output {
    QString fileName;
    std::function<void(const QString &path)> write;
};

void Require(bool ok, const QString &what)
{
    if (!ok)
        throw std::runtime_error(what.toStdString());
}

QList<Output> AllOutputs()
{
    QList<Output> outputs;
    for (const resources::PictureFile &entry : resources::kPictureFiles) {
        outputs.push_back({FileNameOf(entry.fileName), [entry](const QString &path) {
            const QSize size(entry.width, entry.height);
            const QImage image = tools::DrawPicture(entry.picture, size);
            Require(image.size() == size, path + QStringLiteral(": drawn at the wrong size"));
            tools::WriteProgressiveJpeg(image, path, kJpegQuality);
        }});
    }
    outputs.push_back({FileNameOf(resources::kButtonGlyphFile), [](const QString &path) {
        Require(tools::DrawButtonGlyph(resources::kButtonGlyphSize).save(path, "BMP"), path);
    }});
    outputs.push_back({FileNameOf(resources::kIconFile), [](const QString &path) {
        Require(tools::DrawIcon(resources::kIconSize.width()).save(path, "PNG"), path);
    }});
    outputs.push_back({FileNameOf(resources::kLargeIconFile), [](const QString &path) {
        Require(tools::DrawIcon(resources::kLargeIconSize.width()).save(path, "PNG"), path);
    }});
    return outputs;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTextStream err(stderr);
    QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        err << "usage: make_pictures <folder> [file name ...]\n";
        return 2;
    }
    const QDir folder(arguments.takeFirst());
    tools::SetUpScreenshotLook();
    try {
        for (const Output &output : AllOutputs()) {
            if (!arguments.isEmpty() && !arguments.contains(output.fileName))
                continue;
            output.write(folder.filePath(output.fileName));
            QTextStream(stdout) << output.fileName << '\n';
        }
    } catch (const std::exception &error) {
        err << "make_pictures: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
