#pragma once

#include "RunTiming.h"
#include "UploadQueue.h"

#include <QString>

#include <cstdio>

// What lumio-upload prints on standard output: one plain line per file and the final counts with the
// error rows, or one JSON object per file and a summary object (one object per line), or, on a
// terminal, a live progress line followed by the counts.
class ConsoleReport
{
public:
    enum class FileStatus
    {
        Uploaded,
        Failed,
        Skipped,
        Refused,
        WouldUpload,
        Created,    // a folder, made an album
        WouldCreate // a folder the dry run would make an album
    };

    struct FileRow
    {
        QString path;
        FileStatus status = FileStatus::Uploaded;
        QString album; // "/photo" or "/photo/…"
        QString name;  // the name on the server
        bool folder = false;
        qint64 size = 0;
        QString reason;  // a fixed word for scripts: "uploaded_before", "no_privilege", "duplicated_file" …
        QString message; // the text shown to the user
        QString warning; // uploaded, but for example without thumbnails: "no thumbnails: …"
    };

    struct Progress
    {
        int done = 0; // files, not folders
        int total = 0;
        qint64 bytes = 0; // of the chosen files, out of totalBytes
        qint64 totalBytes = 0;
        double bytesPerSecond = 0;
        int etaSeconds = -1; // unknown
        QString current;     // what is being done, such as "Converting clip.mp4"
    };

    struct Summary
    {
        QString profile;
        QString album;
        int total = 0; // files handed to the workers; folders are counted as albums
        int uploaded = 0;
        int failed = 0;
        int albums = 0; // created, or for a dry run to be created
        int skipped = 0;
        int refused = 0; // refused by the upload initialisation, never sent
        qint64 bytes = 0;
        int seconds = 0;
        bool dryRun = false;
        bool cancelled = false;
        bool sessionLost = false;
        int exitStatus = 0;
        QString error; // the message of an error that ended the run
        QList<UploadFailure> errorRows;
        QList<UploadFailure> warningRows; // files uploaded with a warning
        bool timed = false;               // the workers ran: timing and toolsCpuSeconds hold
        RunTiming timing;
        double toolsCpuSeconds = 0; // processor time of the conversion tools this run waited for
    };

    // Quiet plain output shows only the files that failed or were refused, and the summary.
    ConsoleReport(bool json, bool live, FILE* out = stdout, bool quiet = false);

    bool isLive() const { return m_live; }

    void title(const QString& text);
    void file(const FileRow& row);
    void progress(const Progress& progress);
    void summary(const Summary& summary);
    // Ends the live line so that other output starts on a clean line.
    void clearProgress();

    static QString byteText(qint64 bytes);
    static QString durationText(int seconds);
    // The live line: done/total, bytes sent of all, speed, time left and the current step, cut to width.
    static QString progressText(const Progress& progress, int width);
    static QString statusWord(FileStatus status);
    // The closing lines of a plain report in the UI language, error rows aside.
    static QStringList summaryLines(const Summary& summary);

private:
    void write(const QString& line);
    int terminalWidth() const;

    bool m_json;
    bool m_live;
    bool m_quiet;
    bool m_lineShown = false;
    FILE* m_out;
};
