#include "drawserver/advert_page.h"

#include <algorithm>

#include "base/text_value.h"
#include "drawserver/draw_snapshot.h"
#include "engine/draw_numbers.h"

namespace velmora::drawserver {
namespace {

std::string htmlEscape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out.push_back(c);
        }
    }
    return out;
}

std::string badges(const std::string& numbers, const char* size)
{
    DrawNumbers cars;
    splitDrawNumbers(numbers, cars);
    std::string html = "<div class=\"cars ";
    html += size;
    html += "\">";
    for (const std::string& car : cars) {
        const std::int64_t value = integerValue(car);
        html += "<span class=\"car c";
        html += value >= 1 && value <= 10 ? numberText(value) : std::string("0");
        html += "\">" + htmlEscape(car) + "</span>";
    }
    html += "</div>";
    return html;
}

// "HH:MM" of a draw time, or the whole text when it has another form.
std::string clockPart(const std::string& drawTime)
{
    return drawTime.size() == 19 ? drawTime.substr(11, 5) : drawTime;
}

constexpr const char* kHead = R"(<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<link rel="icon" href="data:,">
<title>PK10 开奖</title>
<style>
*{box-sizing:border-box;margin:0;padding:0}
body{font:13px/1.45 "Microsoft YaHei","Noto Sans CJK SC","PingFang SC",sans-serif;color:#24303f;background:#eef2f7}
main{max-width:420px;margin:0 auto;padding:8px}
.card{background:#fff;border-radius:8px;box-shadow:0 1px 3px rgba(20,40,80,.12);padding:9px 8px;margin-bottom:8px}
.latest{background:linear-gradient(160deg,#16324f,#1f4f7a);color:#fff}
h1{font-size:13px;font-weight:600;opacity:.85;letter-spacing:1px}
.period{font-size:20px;font-weight:700;margin:2px 0 0}
.time{font-size:12px;opacity:.75;margin-bottom:7px}
.cars{display:grid;grid-template-columns:repeat(10,1fr);gap:2px}
.small{max-width:250px}
.car{display:inline-flex;align-items:center;justify-content:center;border-radius:4px;font-weight:700;color:#fff;
  text-shadow:0 1px 1px rgba(0,0,0,.35);font-family:Arial,Helvetica,sans-serif}
.big .car{aspect-ratio:1/1.12;font-size:clamp(12px,3.4vw,17px)}
.small .car{aspect-ratio:1;font-size:10.5px;border-radius:3px}
.c1{background:#f2c200;color:#2b2200;text-shadow:none}.c2{background:#1f6fe0}.c3{background:#4a4a4a}
.c4{background:#f57c00}.c5{background:#00a9bf}.c6{background:#6a3fc1}
.c7{background:#c9c9c9;color:#262626;text-shadow:none}.c8{background:#e53935}.c9{background:#8b1a1a}
.c10{background:#2e9d3a}.c0{background:#9aa5b1}
.next{display:flex;justify-content:space-between;align-items:baseline;margin-top:8px;padding-top:7px;
  border-top:1px solid rgba(255,255,255,.18);font-size:12px}
.count{font-size:16px;font-weight:700;color:#ffd54f;font-variant-numeric:tabular-nums}
h2{font-size:13px;font-weight:700;color:#16324f;margin-bottom:4px}
ol{list-style:none}
li{padding:5px 0 6px;border-top:1px solid #e7ecf2}
li:first-child{border-top:0}
.row{display:flex;justify-content:space-between;font-size:12px;margin-bottom:3px}
.row b{color:#16324f}
.row span{color:#7a8796}
.empty{color:#7a8796;text-align:center;padding:20px 0}
</style>
<script>
(function () {
  function pad(n) { return (n < 10 ? "0" : "") + n; }
  function tick() {
    var el = document.getElementById("count");
    if (!el) return;
    var left = Math.floor(Number(document.body.getAttribute("data-next")) - Date.now() / 1000);
    el.textContent = left >= 0 ? pad(Math.floor(left / 60)) + "\uFF1A" + pad(left % 60) : "\u6B63\u5728\u5F00\u5956\u2026\u2026";
  }
  var busy = false, lastPoll = Date.now();
  function refresh() {
    busy = true;
    fetch("/newphase", {cache: "no-store"}).then(function (r) { return r.text(); }).then(function (period) {
      if (!period || period === document.body.getAttribute("data-period")) return;
      return fetch("/advert", {cache: "no-store"}).then(function (r) { return r.text(); }).then(function (html) {
        var doc = new DOMParser().parseFromString(html, "text/html");
        document.body.innerHTML = doc.body.innerHTML;
        document.body.setAttribute("data-period", doc.body.getAttribute("data-period"));
        document.body.setAttribute("data-next", doc.body.getAttribute("data-next"));
        tick();
      });
    }).catch(function () {}).then(function () { busy = false; });
  }
  setInterval(function () {
    tick();
    var now = Date.now();
    var due = Number(document.body.getAttribute("data-next")) * 1000 <= now;
    if (!busy && now - lastPoll >= (due ? 5000 : 60000)) { lastPoll = now; refresh(); }
  }, 500);
  document.addEventListener("DOMContentLoaded", tick);
})();
</script>
</head>
)";

}  // namespace

std::string renderAdvertPage(const DrawSnapshot& snapshot)
{
    std::string html = kHead;
    html += "<body data-period=\"" + htmlEscape(snapshot.latestPeriod) + "\" data-next=\""
        + numberText(snapshot.nextAt) + "\">\n<main>\n";
    if (snapshot.newest.empty()) {
        html += "<section class=\"card\"><p class=\"empty\">暂无开奖数据</p></section>\n";
    } else {
        const DrawRecord& latest = snapshot.newest.front();
        html += "<section class=\"card latest\">\n<h1>" + htmlEscape(latest.tag) + " 最新开奖</h1>\n";
        html += "<p class=\"period\">第 " + htmlEscape(latest.period) + " 期</p>\n";
        html += "<p class=\"time\">" + htmlEscape(latest.drawTime) + "</p>\n";
        html += badges(latest.numbers, "big") + "\n";
        if (!snapshot.next.period.empty()) {
            html += "<div class=\"next\"><span>下期 " + htmlEscape(snapshot.next.period) + " · "
                + htmlEscape(clockPart(snapshot.next.drawTime)) + "</span><span class=\"count\" id=\"count\"></span></div>\n";
        }
        html += "</section>\n<section class=\"card\">\n<h2>最近开奖</h2>\n<ol>\n";
        const std::size_t shown = std::min<std::size_t>(snapshot.newest.size(), kAdvertDraws);
        for (std::size_t i = 0; i < shown; ++i) {
            const DrawRecord& draw = snapshot.newest[i];
            html += "<li><div class=\"row\"><b>" + htmlEscape(draw.period) + "</b><span>"
                + htmlEscape(clockPart(draw.drawTime)) + "</span></div>" + badges(draw.numbers, "small") + "</li>\n";
        }
        html += "</ol>\n</section>\n";
    }
    html += "</main>\n</body>\n</html>\n";
    return html;
}

}  // namespace velmora::drawserver
