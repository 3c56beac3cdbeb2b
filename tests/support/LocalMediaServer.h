#pragma once

#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A local HTTP server on 127.0.0.1 for end-to-end tests (media_server.py), over
// a copy of its own of media made with the shipped ffmpeg once per build tree,
// in <build>/test-media (bootstrap the build tree first):
//
//   video.mp4           2 s, 320x240 H.264 video with AAC audio
//   stream/index.m3u8   the same clip as an HLS stream of two 1 s segments
//   thumbnail.jpg       a 320x180 picture, the thumbnail of /described
//
// Besides the files it answers /page (an HTML page with a <title> and a
// <video src>; ?title= and ?src= change them), /described (a page describing
// video.mp4 as video sites do, with metadata, a thumbnail and two chapters),
// /404, /close-mid-body (a body cut off mid-way) and /expiring-page (a page
// whose media link is signed anew on every visit); see media_server.py. The
// server stops when this object is destroyed.
//
//   LocalMediaServer server;
//   ASSERT_TRUE(server.isReady()) << server.errorString().toStdString();
//   analyze(server.url("/video.mp4"));
class LocalMediaServer
{
public:
    struct Options
    {
        // Sending rate of every response body; 0 sends at full speed.
        qint64 throttleBytesPerSecond = 0;
        // The body of every file stops before this byte, the connection
        // open, until release(); 0 never holds.
        qint64 holdAtByte = 0;
    };

    static inline const QString kVideoPath = QStringLiteral("/video.mp4");
    static inline const QString kHlsPath = QStringLiteral("/stream/index.m3u8");
    static inline const QString kPagePath = QStringLiteral("/page");
    static inline const QString kPageTitle = QStringLiteral("Tarvelle Test Clip");
    static inline const QString kExpiringPagePath = QStringLiteral("/expiring-page");
    // A page holding three videos, which yt-dlp lists as a playlist.
    static inline const QString kPlaylistPath = QStringLiteral("/playlist");
    // An RSS feed of ?count= entries (3 unless told), entry N titled
    // "Entry N" on a page of its own; ?linked=N makes entry N link to the
    // feed's own address.
    static inline const QString kFeedPath = QStringLiteral("/feed");
    static inline const QString kFeedTitle = QStringLiteral("Tarvelle Test Feed");
    static inline const QString kDescribedPath = QStringLiteral("/described");
    static inline const QString kDescribedTitle = QStringLiteral("Tarvelle Described Clip");

    LocalMediaServer();
    explicit LocalMediaServer(Options options);
    ~LocalMediaServer();
    LocalMediaServer(const LocalMediaServer &) = delete;
    LocalMediaServer &operator=(const LocalMediaServer &) = delete;

    // False when the media could not be made or the server did not start;
    // errorString() then says why.
    bool isReady() const { return m_port > 0; }
    QString errorString() const { return m_error; }

    // "http://127.0.0.1:<port>"
    QString baseUrl() const;
    // baseUrl() + path; path starts with '/'.
    QString url(const QString &path) const;
    // The served folder; tests may add files of their own.
    QString mediaDirectory() const { return m_media.path(); }
    // Makes the file `name` in the served folder with the shipped ffmpeg and
    // `arguments` (its inputs and options); the error, empty on success.
    QString addMedia(const QString &name, const QStringList &arguments) const;

    // Serves the clip at `path` too (say "/other/clip.mkv"), in the container
    // its extension names. False when ffmpeg failed; errorString() says why.
    bool addCopy(const QString &path);
    // An HLS master playlist of `variants` variants (distinct bandwidths and
    // sizes, all playing stream/index.m3u8), as sites with many renditions
    // serve them; its path. yt-dlp describes it in megabytes.
    QString addMasterPlaylist(int variants);

    // One answered GET of a file: the path, the byte range asked for, the
    // body bytes written before it ended (finished or cut off), and when it
    // came in (milliseconds since the epoch).
    struct ServedRequest
    {
        QString path;
        qint64 first = 0;
        qint64 last = 0;
        qint64 sent = 0;
        qint64 startedAt = 0;
    };
    // Every one so far, in the order they ended.
    QList<ServedRequest> servedRequests() const;

    // Lets the bodies held by Options::holdAtByte go on, and later ones
    // pass; false when it could not.
    bool release() const;

private:
    bool makeMedia();
    bool start(const Options &options);

    QTemporaryDir m_media;
    QTemporaryDir m_requestLog;
    QProcess m_server;
    int m_port = 0;
    QString m_error;
};
