#include "channelform.h"

bool ChannelForm::operator==(const ChannelForm& o) const
{
    return rx == o.rx && rxStep == o.rxStep && shift == o.shift && reverse == o.reverse &&
           reverseEnabled == o.reverseEnabled && tone == o.tone && ctcss == o.ctcss && toneIndex == o.toneIndex &&
           ctcssIndex == o.ctcssIndex && tx == o.tx && txStep == o.txStep && offset == o.offset &&
           minus76Visible == o.minus76Visible && minus76Enabled == o.minus76Enabled && name == o.name &&
           lockout == o.lockout && lockoutEnabled == o.lockoutEnabled && power == o.power &&
           powerEnabled == o.powerEnabled;
}
