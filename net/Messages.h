#pragma once
// Messages of the server link: comma texts of code page 932 bytes, one message
// per send, no terminator. A client sends add and delete messages; the server
// echoes each as a data message ("1," + message) and may send notices.
#include <cstdint>
#include <string>
#include <string_view>

// "1,," + entryLine.
std::string AddMessage(std::string_view entryLine);
// "2," + position (decimal, from 0, in the sorted list) + "," + entryLine.
std::string DeleteMessage(int position, std::string_view entryLine);
// "1," + clientMessage: what the server sends to every client.
std::string DataMessage(std::string_view clientMessage);

enum class TMessageKind {
    Invalid,    // too few fields for its kind (or a delete without a number): ignored entirely
    Add,        // data message, operation "1": EntryLine holds the line to append
    Delete,     // data message, operation "2": Position holds the list position (-1: none)
    OtherData,  // data message with another operation: nothing to apply
    Notice,     // anything but a data message: Name holds who changed the schedule
};

struct TReceivedMessage {
    TMessageKind Kind = TMessageKind::Invalid;
    // Add: f5,f5,f6,f7,,f8+f9,f10 of the received fields. Delete: the entry
    // line the sender meant, f4,f5,…,f10; empty when the message carries none.
    std::string EntryLine;
    int32_t Position = -1;  // Delete
    std::string Name;       // Notice; empty otherwise
};

// Splits a received text (comma-text rule) and tells what it asks for. An add needs
// 10 fields, a delete 3, another data message 2, a notice 2.
TReceivedMessage ParseMessage(std::string_view message);

// Status text after a received message: 予定データが<name>により更新されました。 (UTF-8).
std::string UpdatedStatusText(std::string_view name);
// Status text once connected: <address>-<port>にログインしました。 (UTF-8).
std::string LoginStatusText(std::string_view serverAddress, int localPort);
