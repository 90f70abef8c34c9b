// A book page in a network of its own: scripts/test-sealed-network runs these tests in a
// network namespace with loopback and one outward interface that holds the default route,
// and a resolver on this machine. Whatever a page, a worker or a frame tries, no packet may
// go out, no name may be looked up and no local listener may hear from it. Elsewhere they
// are skipped.
#include "EngineTestSupport.h"

#include "browser/EngineLoader.h"
#include "ui/ReaderStart.h"
#include "ui/TForm1.h"

#include "TempFolder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkDatagram>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>
#include <gtest/gtest.h>

namespace {

// An address off this machine, reached only through the outward interface.
constexpr const char* kFarAddress = "192.0.2.1";
// Names looked up go to the resolver the namespace was given; every name a page makes ends so.
constexpr const char* kDomain = "leak.example";

// Every way out known to a page or a worker, to local listeners, to an address off the
// machine and to names, each tagged with the way and the place it was tried from.
constexpr const char* kAttempts = R"js(
function attempts(T, where) {
  const tag = m => m + '-' + where;
  const web = (m, scheme, port) => [scheme + '://127.0.0.1:' + port + '/' + tag(m),
      scheme + '://' + T.far + ':' + port + '/' + tag(m),
      scheme + '://' + tag(m) + '.' + T.domain + ':' + port + '/'];
  const quietly = f => { try { const r = f(); if (r && r.catch) r.catch(() => {}); } catch (e) {} };
  for (const u of web('fetch', 'http', T.tcp)) quietly(() => fetch(u, {mode: 'no-cors'}));
  for (const u of web('xhr', 'http', T.tcp))
    quietly(() => { const x = new XMLHttpRequest(); x.open('GET', u); x.send(); });
  for (const u of web('socket', 'ws', T.tcp)) quietly(() => new WebSocket(u));
  for (const u of web('events', 'http', T.tcp)) quietly(() => new EventSource(u));
  for (const u of web('beacon', 'http', T.tcp)) quietly(() => navigator.sendBeacon(u, 'x'));
  for (const u of web('transport', 'https', T.udp)) quietly(() => new WebTransport(u).ready);
  const ice = (m, scheme, port, transport) => [
      scheme + ':127.0.0.1:' + port + transport, scheme + ':' + T.far + ':' + port + transport,
      scheme + ':' + tag(m) + '.' + T.domain + ':' + port + transport];
  for (const url of [...ice('stun', 'stun', T.udp, ''),
                     ...ice('turnudp', 'turn', T.udp, '?transport=udp'),
                     ...ice('turntcp', 'turn', T.tcp, '?transport=tcp')])
    quietly(() => {
      const peer = new RTCPeerConnection({iceServers: [{urls: url, username: 'u', credential: 'p'}]});
      peer.createDataChannel('x');
      return peer.createOffer().then(o => peer.setLocalDescription(o));
    });
  if (self.importScripts) for (const u of web('import', 'http', T.tcp)) quietly(() => importScripts(u));
  if (self.document) {
    const d = document;
    const add = (name, properties) => quietly(() => {
      const e = d.createElement(name);
      Object.assign(e, properties);
      (d.body || d.documentElement).appendChild(e);
    });
    for (const rel of ['prefetch', 'preconnect', 'dns-prefetch', 'preload', 'stylesheet'])
      for (const u of web(rel, 'http', T.tcp)) add('link', {rel: rel, href: u, as: 'image'});
    for (const u of web('picture', 'http', T.tcp)) add('img', {src: u});
    for (const u of web('script', 'http', T.tcp)) add('script', {src: u});
    web('font', 'http', T.tcp).forEach((u, i) => {
      add('style', {textContent: '@font-face { font-family: leak' + i + '; src: url(' + u + ') }'});
      add('span', {textContent: 'text', style: 'font-family: leak' + i});
    });
    for (const u of web('frame', 'http', T.tcp)) add('iframe', {src: u});
  }
}
)js";

// The same ways written into the page itself, as a page's markup asks for them.
std::string markup(int tcp) {
    std::string html;
    const std::string port = std::to_string(tcp);
    for (const std::string& host :
         {std::string("127.0.0.1"), std::string(kFarAddress), std::string("markup.") + kDomain}) {
        const std::string url = "http://" + host + ":" + port + "/markup";
        for (const char* rel : {"prefetch", "preconnect", "dns-prefetch", "stylesheet"}) {
            html += std::string("<link rel=") + rel + " href='" + url + "'>";
        }
        html += "<link rel=preload as=font href='" + url + "'><img src='" + url +
                "'><style>@import url(" + url + "); body { background: url(" + url + ") }</style>";
    }
    return html;
}

// Where the attempts are made from.
struct Place {
    const char* name;
    std::string script; // run by the chapter page; its place reports itself with `reached`
};

std::ostream& operator<<(std::ostream& out, const Place& place) {
    return out << place.name;
}

// Packets the namespace's outward interface has sent or dropped so far.
qint64 outwardPackets(const QString& interface) {
    QProcess ip;
    ip.start(QStringLiteral("ip"), {"-j", "-s", "link", "show", "dev", interface});
    if (!ip.waitForFinished(10000)) {
        return -1;
    }
    const QJsonArray links = QJsonDocument::fromJson(ip.readAllStandardOutput()).array();
    if (links.isEmpty()) {
        return -1;
    }
    const QJsonObject sent =
        links.first()[QStringLiteral("stats64")][QStringLiteral("tx")].toObject();
    return sent[QStringLiteral("packets")].toInteger() +
           sent[QStringLiteral("dropped")].toInteger();
}

// The first name a DNS query asks for, in dotted form.
QString askedName(const QByteArray& query) {
    QStringList labels;
    for (int at = 12; at < query.size();) {
        const int length = static_cast<unsigned char>(query[at]);
        if (length == 0 || length > 63 || at + 1 + length > query.size()) {
            break;
        }
        labels << QString::fromLatin1(query.mid(at + 1, length));
        at += 1 + length;
    }
    return labels.join(QLatin1Char('.'));
}

class SealedNetwork : public ::testing::TestWithParam<Place> {
protected:
    void SetUp() override {
        interface_ = qEnvironmentVariable("VARNEL_SEALED_INTERFACE");
        if (interface_.isEmpty()) {
            GTEST_SKIP() << "run by scripts/test-sealed-network in a network of its own";
        }
        ASSERT_TRUE(tcp_.listen(QHostAddress::LocalHost));
        ASSERT_TRUE(udp_.bind(QHostAddress::LocalHost));
        ASSERT_TRUE(dns_.bind(QHostAddress::LocalHost, 53)) << "the namespace's resolver";
        QObject::connect(&tcp_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = tcp_.nextPendingConnection()) {
                heard_ << QStringLiteral("a TCP connection");
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    heard_ << QStringLiteral("TCP: ") +
                                  QString::fromLatin1(socket->readLine(200).toPercentEncoding());
                });
            }
        });
        QObject::connect(&udp_, &QUdpSocket::readyRead, [this] {
            while (udp_.hasPendingDatagrams()) {
                heard_ << QStringLiteral("a UDP datagram of %1 bytes")
                              .arg(udp_.receiveDatagram().data().size());
            }
        });
        QObject::connect(&dns_, &QUdpSocket::readyRead, [this] {
            while (dns_.hasPendingDatagrams()) {
                heard_ << QStringLiteral("DNS: ") + askedName(dns_.receiveDatagram().data());
            }
        });
        writeBook();
        form_ = std::make_unique<TForm1>(
            dialogs_,
            engineModuleViewFactory(QStringLiteral(VARNEL_ENGINE_MODULE),
                                    bookPagesBeside(QString::fromStdString(folder_.folder()))),
            folder_.folder());
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    }

    void writeBook() {
        const std::string targets = "const T = {tcp: " + std::to_string(tcp_.serverPort()) +
                                    ", udp: " + std::to_string(udp_.localPort()) + ", far: '" +
                                    kFarAddress + "', domain: '" + kDomain + "'};";
        folder_.write("data.nvb", scrambled("[vkladka]\r\n1\r\nOne\r\n1"));
        folder_.write("data/attempts.js", std::string(kAttempts) + targets);
        folder_.write("data/worker.js", "importScripts('attempts.js'); attempts(T, 'dedicated');"
                                        "postMessage('dedicated');");
        folder_.write("data/frame.htm", markup(tcp_.serverPort()) +
                                            "<script src='attempts.js'></script><script>"
                                            "attempts(T, 'frame'); parent.postMessage('frame', "
                                            "'*');</script>");
        // The page's own markup asks for the same, in the page's row.
        const std::string head =
            std::string(GetParam().name) == "page" ? markup(tcp_.serverPort()) : std::string();
        folder_.write(
            "data/1.nvb",
            scrambled("<head><title>sealed</title>" + head +
                      "</head><body><p>a page</p><script src='attempts.js'></script>"
                      "<script>onmessage = m => window.reached = m.data; window.refused = 0;"
                      "document.addEventListener('securitypolicyviolation',"
                      "  () => ++window.refused);" +
                      GetParam().script + "</script></body>"));
    }

    TempFolder folder_;
    RecordingDialogs dialogs_;
    std::unique_ptr<TForm1> form_;
    QString interface_;
    QTcpServer tcp_;
    QUdpSocket udp_;
    QUdpSocket dns_;
    QStringList heard_;
};

TEST_P(SealedNetwork, NothingLeavesThePageAndNoListenerHearsFromIt) {
    const qint64 before = outwardPackets(interface_);
    ASSERT_GE(before, 0) << "no counters for " << interface_.toStdString();
    form_->ListBox1->setCurrentRow(0);
    form_->ListBox1DblClick();
    QWebEngineView* view = form_->WebBrowser1->findChild<QWebEngineView*>();
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(waitUntil(
        [&] { return evaluate(view, "String(window.reached)") == GetParam().name; }, 30000))
        << "the attempts did not run";
    // Time for what was tried to arrive; a QUIC client sends its first packets within a
    // second, and retries for several.
    QTest::qWait(4000);
    if (std::string(GetParam().name) == "page") {
        // Refused by the page's content policy already, before the request rule sees them.
        EXPECT_EQ(evaluate(view, "String(window.refused > 0)"), "true");
    }
    EXPECT_TRUE(heard_.isEmpty()) << "heard: " << heard_.join(QStringLiteral("; ")).toStdString();
    EXPECT_EQ(outwardPackets(interface_) - before, 0) << "packets went out";
}

INSTANTIATE_TEST_SUITE_P(
    Places, SealedNetwork,
    ::testing::Values(
        Place{"page", "attempts(T, 'page'); window.reached = 'page';"},
        Place{"dedicated", "new Worker('worker.js').onmessage = m => window.reached = m.data;"},
        Place{"blob", "fetch('attempts.js').then(r => r.text()).then(code => {"
                      "  const worker = new Worker(URL.createObjectURL(new Blob([code +"
                      "      \"attempts(T, 'blob'); postMessage('blob');\"])));"
                      "  worker.onmessage = m => window.reached = m.data; });"},
        Place{"frame", "const frame = document.createElement('iframe'); frame.src = 'frame.htm';"
                       "document.body.appendChild(frame);"},
        // Made by the script and used at once, before anything the reader adds to a new
        // document could run in it.
        Place{"fresh", "const frame = document.createElement('iframe');"
                       "document.body.appendChild(frame);"
                       "frame.contentWindow.eval(attempts.toString() + 'attempts(' +"
                       "    JSON.stringify(T) + \", 'fresh')\");"
                       "window.reached = 'fresh';"},
        Place{"navigation", "window.reached = 'navigation'; setTimeout(() => location.href ="
                            " 'http://navigate.' + T.domain + ':' + T.tcp + '/', 300);"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
