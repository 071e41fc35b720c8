#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/draw_numbers.h"

namespace velmora {

class MessageSink;
class RandomSource;

// A prediction rule. The base class is the interface of every plan kind and
// can itself stand in a blank plan record; asked to predict or verify, it only
// reports that the interface was called directly.
//
// Every predictor works with the program-wide RandomSource and MessageSink it
// was made with; clones share them.
class Predictor {
public:
    Predictor(RandomSource& random, MessageSink& sink);
    virtual ~Predictor() = default;

    Predictor& operator=(const Predictor&) = delete;

    virtual std::unique_ptr<Predictor> clone() const;

    int getPeriods() const { return m_periods; }
    void setPeriods(int periods) { m_periods = periods; }
    int getLineForm() const { return m_lineForm; }
    void setLineForm(int lineForm) { m_lineForm = lineForm; }
    std::string getName() const { return m_name; }
    void setName(const std::string& name) { m_name = name; }

    // The prediction for the next window, chosen from a seed alone.
    virtual std::string 取下期预测(std::int32_t seed) const;
    // 1 when the draw verifies the prediction, 0 otherwise.
    virtual int 验证预测(const DrawNumbers& numbers, const std::string& prediction) const;

protected:
    Predictor(const Predictor&) = default;

    RandomSource& random() const { return *m_random; }

private:
    RandomSource* m_random;
    MessageSink* m_sink;
    std::string m_name;
    int m_periods = 3;
    int m_lineForm = 1;
};

inline constexpr int kDefaultLineForm = 1;
// The form of the kinds whose lines carry only the outcome (banker,
// car-position, bet-group): the current prediction stands below the list.
inline constexpr int kNameLineForm = 2;

}  // namespace velmora
