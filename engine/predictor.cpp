#include "engine/predictor.h"

#include "engine/message_sink.h"

namespace velmora {

Predictor::Predictor(RandomSource& random, MessageSink& sink)
    : m_random(&random)
    , m_sink(&sink)
{
}

std::unique_ptr<Predictor> Predictor::clone() const
{
    return std::unique_ptr<Predictor>(new Predictor(*this));
}

std::string Predictor::取下期预测(std::int32_t) const
{
    m_sink->showMessage("错误！接口类函数 取下期预测（） 被直接调用");
    return {};
}

int Predictor::验证预测(const DrawNumbers&, const std::string&) const
{
    m_sink->showMessage("错误！接口类函数 验证预测 被直接调用");
    return 0;
}

}  // namespace velmora
