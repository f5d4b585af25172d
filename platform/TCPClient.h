#pragma once
// TTCPClient: the program's TCP client link to the schedule server, driven by
// the event loop of the user-interface thread (no threads of its own).
//
// States: idle (before Open, after Close, after OnClose or OnError),
// connecting, connected. Only idle accepts Open.
//
// Events. Socket activity is turned into events posted to the event loop, and
// each event calls its handler from there, one at a time:
//  - OnConnect(Sender): once per Open, when the connection is made. State is
//    connected before the handler runs.
//  - OnData(Sender, Data): one receive of at most kMaxReceive bytes, in
//    arrival order; Data is exactly the bytes received and is never empty.
//    While further bytes are waiting, a further OnData follows (as a new
//    event, after the handler has returned). Nothing is reassembled, and the
//    component joins nothing: bytes that reached the socket apart (one read
//    each, taken whenever the event loop runs, a nested one included) are
//    delivered apart, a longer read in pieces of kMaxReceive. Bytes that
//    reached the system while the event loop was busy come as one read, as
//    the system joined them. So one server message is one OnData when the
//    server sends each message as one write of at most kMaxReceive bytes,
//    far enough apart for the program to handle each.
//  - OnClose(Sender): the server closed the connection (or reset it). It fires
//    after every byte that arrived before the close has been delivered by
//    OnData; the component has closed its socket and is idle before the
//    handler runs.
//  - OnError(Sender, Error, Msg): a failure of name lookup, port lookup,
//    connect, receive or send. Error is the QAbstractSocket::SocketError code
//    (a HostNotFoundError for an unknown service name, an OperationError for
//    a send while not connected); Msg is a short English description. Bytes
//    that arrived before the failure are delivered first; the component is
//    idle before the handler runs. At most one per connection; a send while
//    not connected reports one of its own (after a close by the server,
//    sends are dropped silently: OnClose is on its way).
//
// No re-entry: while any handler of this component runs (including a modal
// dialog or message box it opens, whose nested event loop keeps the program
// alive), no other event of this component is delivered; waiting events
// follow, in order, once the handler has returned, even when it leaves by an
// exception. So the same bytes are never delivered twice and never overtaken.
// A handler may call Close, Open or SendText, and may destroy the component.
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <deque>
#include <functional>
#include <string>

class QTcpSocket;

class TTCPClient : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxReceive = 1024;

    explicit TTCPClient(QObject* parent = nullptr);
    ~TTCPClient() override;

    // The server: a dotted IPv4 address or a host name, and a port as a
    // decimal number or a service name (looked up with getservbyname, "tcp").
    // Read at Open.
    std::string Host = "127.0.0.1";
    std::string Port = "901";

    std::function<void(TTCPClient* Sender)> OnConnect;
    std::function<void(TTCPClient* Sender, const std::string& Data)> OnData;
    std::function<void(TTCPClient* Sender)> OnClose;
    std::function<void(TTCPClient* Sender, int Error, const std::string& Msg)> OnError;

    enum class TState { Idle, Connecting, Connected };
    TState State() const { return State_; }

    // Starts connecting to Host and Port, without waiting; does nothing
    // unless idle. An unusable Port is reported through OnError.
    void Open();
    // Sends all bytes of text (code page 932), as one write, without waiting;
    // bytes the system cannot take at once are kept and sent as it can.
    // While not connected: OnError.
    void SendText(const std::string& text);
    // Stops every event of this connection, sends what is still unsent, reads
    // and discards what is waiting, and closes the socket. Idle afterwards;
    // does nothing when idle.
    void Close();

    // Of the connection, once connected: the server's address (dotted IPv4)
    // and this side's port. Empty and 0 otherwise.
    std::string PeerAddress() const;
    int LocalPort() const;

    // A port text as a number: decimal 1 to 65535 or a known service name.
    // -1 when it is neither.
    static int ResolvePort(const std::string& port);

protected:
    bool event(QEvent* e) override;

private:
    void Detach(bool graceful);
    void Take();
    bool DataWaiting() const;
    void Post();
    void Deliver();

    TState State_ = TState::Idle;
    QTcpSocket* Socket = nullptr;
    // Received bytes not yet delivered, one element per read of the socket,
    // so that bytes which arrived apart are delivered apart.
    std::deque<QByteArray> Arrived;
    qint64 ArrivedBytes = 0;
    bool ConnectWaiting = false;   // the connection is made, OnConnect not yet fired
    bool CloseWaiting = false;     // the server closed; OnClose after the last bytes
    bool ErrorWaiting = false;     // a failure; OnError after the last bytes
    int ErrorCode = 0;
    std::string ErrorMsg;
    bool Posted = false;           // a delivery event is in the event queue
    bool InHandler = false;        // a handler of this component is running
};
