#pragma once

#include <string>

// The names udev gives USB serial adapters in /dev/serial/by-id: built from
// the adapter's maker, model and serial number, so they survive plugging
// the cable into another socket, where ttyUSB0 may become ttyUSB1. The
// folder is a parameter so that tests can stand in a folder of their own.
class SerialById
{
public:
    static constexpr const char* Folder = "/dev/serial/by-id";

    // The by-id path that leads to the same device as `devicePath`, or
    // empty when there is none.
    static std::string NameOf(const std::string& devicePath, const std::string& folder = Folder);

    // The path of a bare by-id name ("usb-FTDI_FT232R_A1-if00-port0") when
    // the folder holds it, else empty. A name with a '/' is not a bare name.
    static std::string PathOf(const std::string& name, const std::string& folder = Folder);
};
