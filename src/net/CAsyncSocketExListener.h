#pragma once

class CAsyncSocketEx;

// Told about the events of a socket it is registered with. error is 0 for success.
class CAsyncSocketExListener
{
public:
    virtual ~CAsyncSocketExListener() = default;
    virtual void onConnect(CAsyncSocketEx& socket, int error) = 0;
    virtual void onClose(CAsyncSocketEx& socket, int error) = 0;
    virtual void onReceive(CAsyncSocketEx& socket, int error) = 0;
    virtual void onSend(CAsyncSocketEx& socket, int error) = 0;
    virtual void onAccept(CAsyncSocketEx& socket, int error) = 0;
    virtual void onOutOfBandData(CAsyncSocketEx& socket, int error) = 0;
};
