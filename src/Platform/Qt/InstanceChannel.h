#pragma once

#include <QLocalServer>

#include <functional>

// The holder's end of the channel through which a second start asks it to show itself.
class InstanceChannel : public QLocalServer
{
    Q_OBJECT

public:
    InstanceChannel(const QString& name, std::function<void()> onRequest);

private:
    std::function<void()> m_onRequest;
};
