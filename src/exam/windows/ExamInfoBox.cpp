#include "exam/windows/ExamInfoBox.h"

#include <QLabel>
#include <QVBoxLayout>

namespace velkora {

ExamInfoBox::ExamInfoBox(QWidget *parent) : QGroupBox(QStringLiteral("考场信息"), parent) {
    setObjectName(QStringLiteral("GroupBox1"));
    auto *text = new QLabel(QStringLiteral("所在教室：01教室        当前场次：北京市东城区考场"
                                           "        座位号：0001号\n"
                                           "姓名：张三                准考证号：0000001"
                                           "                包括专业：测试专业"),
                            this);
    text->setObjectName(QStringLiteral("Label10"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 4, 12, 4);
    layout->addWidget(text);
}

} // namespace velkora
