// Helper of bench/convert.sh: runs the converters the way the program does and writes out the tool
// commands they ran, so that the script can time the same commands run directly by a shell.
//
//   convert_bench photo <jpeg> <runs>
//   convert_bench parallel <threads> <job folder> <photo>...
//   convert_bench video <clip> <qualities, e.g. 1,3> <replay script>

#include "AppPaths.h"
#include "ImageConverter.h"
#include "ToolProcess.h"
#include "VideoConverter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMap>
#include <QMutex>
#include <QProcess>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

QMutex g_logMutex;
QStringList g_log;

void collect(QtMsgType, const QMessageLogContext&, const QString& message)
{
    QMutexLocker lock(&g_logMutex);
    g_log.append(message);
}

QStringList logged(const QString& prefix)
{
    QMutexLocker lock(&g_logMutex);
    QStringList found;
    for (const QString& line : std::as_const(g_log)) {
        if (line.startsWith(prefix))
            found.append(line.mid(prefix.size()));
    }
    return found;
}

// The environment ToolProcess::keepToOneCore gives the converters' convert runs, for the shell's runs.
const QLatin1String kOneCore("MAGICK_THREAD_LIMIT=1 OMP_NUM_THREADS=1 ");

void print(const QString& text)
{
    std::printf("%s\n", qUtf8Printable(text));
    std::fflush(stdout);
}

QString shellWord(const QString& word)
{
    QString escaped = word;
    escaped.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}

QString shellLine(const QStringList& words)
{
    QStringList quoted;
    for (const QString& word : words)
        quoted.append(shellWord(word));
    return quoted.join(QLatin1Char(' '));
}

bool writeFile(const QString& path, const QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return true;
}

// Seconds a command takes, or -1 when it fails.
double timeCommand(QStringList words, const QProcessEnvironment& environment)
{
    const QString program = words.takeFirst();
    QProcess process;
    process.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    process.start(program, words);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return -1.0;
    return clock.nsecsElapsed() / 1e9;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

int photo(const QString& jpeg, int runs)
{
    // Both commands run as the converter runs its convert commands.
    qputenv("MAGICK_THREAD_LIMIT", "1");
    qputenv("OMP_NUM_THREADS", "1");
    AppPaths::prepareTempRootFolder();
    ImageConverter converter;
    const QString prefix = AppPaths::workPrefix(0);
    const QString copy = prefix + QLatin1String("WinSourceTemp");
    if (!QFile::copy(jpeg, copy))
        return 1;
    const QSize size = QImageReader(copy).size();
    const QStringList program = QProcess::splitCommand(converter.thumbnailCommand(copy, size));
    QStringList plain = program;
    if (plain.value(1) != QLatin1String("-define")) {
        print(QStringLiteral("photo %1: the program reads it without a hint; nothing to compare").arg(jpeg));
        return 1;
    }
    plain.remove(1, 2);
    // The ceiling of any read hint: the same thumbnail steps on a picture already read and shrunk to
    // the largest thumbnail, so that reading costs next to nothing.
    const QString ready = prefix + QLatin1String("ready.miff");
    QStringList makeReady = program.mid(0, 4);
    makeReady << QStringLiteral("-thumbnail")
              << program.value(program.indexOf(QStringLiteral("-thumbnail")) + 1) << ready;
    QStringList chainAlone = plain;
    chainAlone[1] = ready;

    QStringList outputs;
    for (const int box : converter.sizes())
        outputs.append(prefix + converter.sizeFiles().value(box));
    auto sizes = [&] {
        QStringList found;
        for (const QString& output : outputs) {
            const QSize s = QImageReader(output).size();
            found.append(QStringLiteral("%1x%2").arg(s.width()).arg(s.height()));
        }
        return found.join(QLatin1Char(' '));
    };

    // The converter starts convert with its own environment (one thread, huge-page buffers); the
    // plain command runs on one thread as well, and the program's command is also timed without the
    // rest of that environment, to tell the hint's share from the environment's.
    const std::atomic<int> never{0};
    ToolProcess tool(never);
    tool.keepToOneCore();
    const QProcessEnvironment converterEnvironment = tool.environment();
    const QProcessEnvironment oneThread = QProcessEnvironment::systemEnvironment();
    std::vector<double> programTimes;
    std::vector<double> sameEnvironmentTimes;
    std::vector<double> plainTimes;
    std::vector<double> chainTimes;
    if (timeCommand(makeReady, oneThread) < 0) {
        print(QStringLiteral("photo %1: cannot make the ready picture").arg(jpeg));
        return 1;
    }
    QString programSizes;
    QString plainSizes;
    const QString programXl = prefix + QLatin1String("program_XL.jpg");
    const QString plainXl = prefix + QLatin1String("plain_XL.jpg");
    for (int run = 0; run < runs; ++run) {
        sameEnvironmentTimes.push_back(timeCommand(program, oneThread));
        programTimes.push_back(timeCommand(program, converterEnvironment));
        programSizes = sizes();
        QFile::remove(programXl);
        QFile::copy(outputs.first(), programXl);
        plainTimes.push_back(timeCommand(plain, oneThread));
        plainSizes = sizes();
        QFile::remove(plainXl);
        QFile::copy(outputs.first(), plainXl);
        chainTimes.push_back(timeCommand(chainAlone, converterEnvironment));
    }
    if (*std::min_element(programTimes.begin(), programTimes.end()) < 0 ||
        *std::min_element(sameEnvironmentTimes.begin(), sameEnvironmentTimes.end()) < 0 ||
        *std::min_element(plainTimes.begin(), plainTimes.end()) < 0 ||
        *std::min_element(chainTimes.begin(), chainTimes.end()) < 0) {
        print(QStringLiteral("photo %1: a convert run failed").arg(jpeg));
        return 1;
    }

    QByteArray psnr;
    QProcess compare;
    compare.start(
        ToolProcess::locate(QCoreApplication::applicationDirPath(), QStringLiteral("ImageMagick/compare")),
        {QStringLiteral("-metric"), QStringLiteral("PSNR"), programXl, plainXl, QStringLiteral("null:")});
    compare.waitForFinished(-1);
    psnr = compare.readAllStandardError().trimmed();

    const double programSeconds = median(programTimes);
    const double sameEnvironmentSeconds = median(sameEnvironmentTimes);
    const double plainSeconds = median(plainTimes);
    const double chainSeconds = median(chainTimes);
    print(QStringLiteral(
              "photo %1x%2 (%3 MP): program command as the converter runs it %4 s, plain command %5 s, "
              "speed-up %6x (the command alone, same environment: %7 s, %8x), output sizes %9 (%10), "
              "XL PSNR %11 dB; the thumbnail steps alone on a picture read already %12 s, so no read hint "
              "can give more than %13x")
              .arg(size.width())
              .arg(size.height())
              .arg(size.width() * size.height() / 1e6, 0, 'f', 1)
              .arg(programSeconds, 0, 'f', 2)
              .arg(plainSeconds, 0, 'f', 2)
              .arg(plainSeconds / programSeconds, 0, 'f', 2)
              .arg(sameEnvironmentSeconds, 0, 'f', 2)
              .arg(plainSeconds / sameEnvironmentSeconds, 0, 'f', 2)
              .arg(programSizes == plainSizes ? QStringLiteral("identical") : QStringLiteral("DIFFER"))
              .arg(programSizes)
              .arg(QString::fromUtf8(psnr))
              .arg(chainSeconds, 0, 'f', 2)
              .arg(plainSeconds / chainSeconds, 0, 'f', 2));
    QFile::remove(ready);
    return 0;
}

int parallel(int threads, const QString& jobFolder, const QStringList& photos)
{
    AppPaths::prepareTempRootFolder();
    QDir().mkpath(jobFolder);
    std::atomic<int> next{0};
    std::atomic<int> failures{0};
    QMutex mutex;
    QMap<int, QString> photoOfSequence;

    QElapsedTimer clock;
    clock.start();
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&] {
            ImageConverter converter;
            for (int i = next++; i < photos.size(); i = next++) {
                const int sequence = AppPaths::nextFileSequence();
                {
                    QMutexLocker lock(&mutex);
                    photoOfSequence.insert(sequence, photos.at(i));
                }
                if (converter.convert(photos.at(i), sequence) != 0)
                    ++failures;
            }
        });
    }
    for (std::thread& worker : workers)
        worker.join();
    const double seconds = clock.nsecsElapsed() / 1e9;

    // The same convert commands for a shell, reading the photo itself where the program reads its copy.
    const QRegularExpression copyName(QStringLiteral("_(\\d+)WinSourceTemp$"));
    for (const QString& command : logged(QStringLiteral("Image Thumb Process: "))) {
        QStringList words = QProcess::splitCommand(command);
        for (QString& word : words) {
            const QRegularExpressionMatch match = copyName.match(word);
            if (match.hasMatch()) {
                const int sequence = match.captured(1).toInt();
                word = photoOfSequence.value(sequence);
                writeFile(QStringLiteral("%1/job_%2.sh").arg(jobFolder).arg(sequence),
                          kOneCore + QLatin1String("exec ") + shellLine(words) + QLatin1Char('\n'));
                break;
            }
        }
    }
    print(QStringLiteral("converters %1: %2 photos in %3 s, %4 thumbnails/s%5")
              .arg(threads)
              .arg(photos.size())
              .arg(seconds, 0, 'f', 2)
              .arg(photos.size() * 5 / seconds, 0, 'f', 2)
              .arg(failures ? QStringLiteral(", %1 FAILED").arg(int(failures)) : QString()));
    return failures ? 1 : 0;
}

int video(const QString& clip, const QString& qualityText, const QString& replayScript)
{
    AppPaths::prepareTempRootFolder();
    QList<int> qualities;
    for (const QString& q : qualityText.split(QLatin1Char(',')))
        qualities.append(q.toInt());
    VideoConverter converter(qualities);
    const int sequence = AppPaths::nextFileSequence();
    const QString workFolder = AppPaths::workPrefix(sequence);

    QElapsedTimer clock;
    clock.start();
    const int result = converter.convert(clip, sequence);
    const double seconds = clock.nsecsElapsed() / 1e9;

    double duration = 0.0;
    const QRegularExpression durationText(QStringLiteral("Duration: (\\d+):(\\d+):(\\d+\\.\\d+)"));
    for (const QString& out : logged(QStringLiteral("Out "))) {
        const QRegularExpressionMatch match = durationText.match(out);
        if (match.hasMatch()) {
            duration = match.captured(1).toInt() * 3600 + match.captured(2).toInt() * 60 +
                       match.captured(3).toDouble();
            break;
        }
    }

    // Every tool command in the order the converter ran it, in the same working folder.
    const QStringList commandLogs{QStringLiteral("Get Video Info: "),
                                  QStringLiteral("Make Thumbnail image: "),
                                  QStringLiteral("Video Thumb Convert: "),
                                  QStringLiteral("Convert video to H264: "),
                                  QStringLiteral("Convert video to H264 Pass2: "),
                                  QStringLiteral("Disable Audio Encoding: "),
                                  QStringLiteral("Move moov atom ")};
    QString script = QStringLiteral("mkdir -p %1 && cd %1 || exit 1\n").arg(shellWord(workFolder));
    QStringList lines;
    {
        QMutexLocker lock(&g_logMutex);
        lines = g_log;
    }
    for (const QString& line : lines) {
        for (const QString& prefix : commandLogs) {
            if (line.startsWith(prefix)) {
                if (prefix.startsWith(QLatin1String("Video Thumb")))
                    script += kOneCore;
                script += shellLine(QProcess::splitCommand(line.mid(prefix.size()))) +
                          QLatin1String(" >/dev/null 2>&1\n");
                break;
            }
        }
    }
    script += QStringLiteral("cd / && rm -rf %1\n").arg(shellWord(workFolder));
    writeFile(replayScript, script);

    print(QStringLiteral("video %1 s, qualities %2: converter %3 s (result %4), real-time factor %5")
              .arg(duration, 0, 'f', 1)
              .arg(qualityText)
              .arg(seconds, 0, 'f', 2)
              .arg(result)
              .arg(duration / seconds, 0, 'f', 2));
    return result == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(collect);
    const QStringList arguments = app.arguments();
    const QString mode = arguments.value(1);
    if (mode == QLatin1String("photo") && arguments.size() == 4)
        return photo(arguments.at(2), arguments.at(3).toInt());
    if (mode == QLatin1String("parallel") && arguments.size() > 4)
        return parallel(arguments.at(2).toInt(), arguments.at(3), arguments.mid(4));
    if (mode == QLatin1String("video") && arguments.size() == 5)
        return video(arguments.at(2), arguments.at(3), arguments.at(4));
    std::fprintf(stderr,
                 "usage: convert_bench photo <jpeg> <runs> | parallel <threads> <job folder> <photo>... | "
                 "video <clip> <qualities> <replay script>\n");
    return 2;
}
