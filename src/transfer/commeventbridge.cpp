#include "commeventbridge.h"

#include "ecommerror.h"
#include "tqcomm.h"

#include <QMetaObject>

#include <mutex>

struct CommEventBridge::Relay {
    std::mutex lock;
    CommEventBridge* bridge = nullptr;
};

CommEventBridge::CommEventBridge(TQComm& comm, Handler handler, Report report, QObject* parent)
    : QObject(parent), m_comm(comm), m_relay(std::make_shared<Relay>()), m_handler(std::move(handler)),
      m_report(std::move(report))
{
    m_relay->bridge = this;
    std::shared_ptr<Relay> relay = m_relay;
    m_comm.SetOnCommEvent([relay](TQComm&, std::uint32_t&) {
        const std::lock_guard<std::mutex> guard(relay->lock);
        if (relay->bridge)
            QMetaObject::invokeMethod(relay->bridge, &CommEventBridge::Deliver, Qt::QueuedConnection);
    });
    m_comm.SetExceptionReport([relay](const std::string& message) {
        const QString text = QString::fromStdString(message);
        const std::lock_guard<std::mutex> guard(relay->lock);
        if (CommEventBridge* bridge = relay->bridge)
            QMetaObject::invokeMethod(
                bridge, [bridge, text] { bridge->ShowReport(text); }, Qt::QueuedConnection);
    });
}

CommEventBridge::~CommEventBridge()
{
    {
        // Posts already queued die with this object; none can start now.
        const std::lock_guard<std::mutex> guard(m_relay->lock);
        m_relay->bridge = nullptr;
    }
    m_comm.SetOnCommEvent(nullptr);
    m_comm.SetExceptionReport(nullptr);
}

void CommEventBridge::Deliver()
{
    if (!m_comm.GetPortStatus())
        return;
    try {
        const int waiting = m_comm.CountInBuff();
        if (waiting <= 0)
            return;
        if (m_handler)
            m_handler(m_comm, static_cast<std::uint32_t>(waiting));
    } catch (const ECommError& error) {
        ShowReport(QString::fromUtf8(error.what()));
    }
}

void CommEventBridge::ShowReport(const QString& message)
{
    if (m_report)
        m_report(message);
}
