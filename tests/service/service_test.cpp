// The service run as a program and asked over a socket, against the command
// line's own files.
#include <ostream>
#include <signal.h>
#include <zip.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "support/process.h"
#include "support/service_process.h"

namespace kbc::test {
namespace {

const std::vector<std::string> kDate = {"SOURCE_DATE_EPOCH=1796584560"};

std::string PercentEncoded(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (const unsigned char c : text) {
    if (std::isalnum(c) || c == '-' || c == '.' || c == '_') {
      encoded += char(c);
    } else {
      encoded += {'%', kHex[c >> 4], kHex[c & 15]};
    }
  }
  return encoded;
}

std::map<std::string, std::string> ZipEntries(const std::string& archive) {
  std::map<std::string, std::string> entries;
  zip_error_t error;
  zip_source_t* source = zip_source_buffer_create(archive.data(), archive.size(), 0, &error);
  zip_t* zip = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
  if (zip == nullptr) {
    if (source) zip_source_free(source);
    return entries;
  }
  for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
    zip_stat_t stat;
    zip_stat_index(zip, zip_uint64_t(i), 0, &stat);
    std::string bytes(stat.size, '\0');
    zip_file_t* file = zip_fopen_index(zip, zip_uint64_t(i), 0);
    zip_fread(file, bytes.data(), bytes.size());
    zip_fclose(file);
    entries[stat.name] = std::move(bytes);
  }
  zip_close(zip);
  return entries;
}

struct Symbol {
  const char* type;
  const char* data;
};

// Twenty symbologies across the families, each with data it draws without a warning.
const Symbol kSymbols[] = {
    {"EAN-13", "590123412345"}, {"EAN-8", "9638507"},         {"UPC-A", "03600029145"},
    {"UPC-E", "0123456"},       {"EAN-128", "10AB12"}, {"Code-128", "Label 42"},
    {"Code-39", "PART-42"},     {"Code-93", "CODE93"},        {"Codabar", "123456"},
    {"Interleaved-25", "123456"}, {"ITF-14", "1540014128876"}, {"MSI", "1234567"},
    {"Telepen", "Telepen"},     {"PostNet", "12345"},         {"RM4SCC", "SN34RD1A"},
    {"QRCode", "https://example.com/42"}, {"MicroQR", "12345"},         {"PDF417", "PDF417 test"},
    {"DataMatrix", "PART-42"},  {"Databar-Expanded", "0109501101530008"},
};

struct Action {
  const char* word;
  const char* extension;
  const char* mediaType;
};

const Action kActions[] = {
    {"epsf", "eps", "application/postscript"}, {"svgf", "svg", "image/svg+xml"}, {"pdff", "pdf", "application/pdf"},
    {"pngf", "png", "image/png"},              {"jpeg", "jpg", "image/jpeg"},   {"tiff", "tif", "image/tiff"},
    {"zplf", "zpl", "application/zpl"},        {"info", "", "application/json"},
};

class ServiceTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { service_ = new ServiceProcess({"-threads", "2"}); }
  static void TearDownTestSuite() {
    delete service_;
    service_ = nullptr;
  }
  static ServiceProcess* service_;
};
ServiceProcess* ServiceTest::service_ = nullptr;

TEST_F(ServiceTest, EveryActionOfTwentySymbologiesEqualsTheCommandLinesFile) {
  const std::string folder = FreshFolder("service-files");
  for (const Symbol& symbol : kSymbols) {
    for (const Action& action : kActions) {
      SCOPED_TRACE(std::string(symbol.type) + " " + action.word);
      const bool file = *action.extension != '\0';
      const std::string name = std::string("code.") + action.extension;
      std::vector<std::string> args = {"-type", symbol.type, "-data", symbol.data, "-action", action.word};
      if (file) args.insert(args.end(), {"-output", folder + "/" + name});
      const ProcessResult cli = RunKbc(args, kDate);
      ASSERT_EQ(cli.status, 0) << cli.err;
      std::string target = "/barcode?type=" + PercentEncoded(symbol.type) + "&data=" + PercentEncoded(symbol.data) +
                           "&action=" + action.word;
      if (file) target += "&output=" + name;
      const HttpReply reply = service_->Get(target);
      ASSERT_EQ(reply.status, 200) << reply.body;
      EXPECT_EQ(reply.Header("content-type"), action.mediaType);
      EXPECT_EQ(reply.body, file ? ReadFile(folder + "/" + name) : cli.out);
      EXPECT_EQ(reply.Header("barcode-warning"), "") << cli.err;
    }
  }
}

TEST_F(ServiceTest, FormAndJsonBodiesDrawWhatTheQueryDraws) {
  const HttpReply query = service_->Get("/barcode?type=QRCode&data=Lot+7&scale=120&colmode=2&action=svgf");
  ASSERT_EQ(query.status, 200);
  const HttpReply form = service_->Post("/barcode", "application/x-www-form-urlencoded",
                                        "type=QRCode&data=Lot%207&scale=120&colmode=2&action=svgf");
  const HttpReply json = service_->Post("/barcode", "application/json",
                                        R"({"type":"QRCode","data":"Lot 7","scale":120,"colmode":2,"action":"svgf"})");
  EXPECT_EQ(form.body, query.body);
  EXPECT_EQ(json.body, query.body);
  EXPECT_EQ(json.Header("etag"), query.Header("etag"));
}

TEST_F(ServiceTest, EntityTagAnswersARepeatWithNotModified) {
  const HttpReply first = service_->Get("/barcode?type=EAN-8&data=9638507&action=pngf");
  ASSERT_FALSE(first.Header("etag").empty());
  EXPECT_NE(first.Header("cache-control").find("max-age"), std::string::npos);
  const HttpReply again = service_->Send("GET /barcode?type=EAN-8&data=9638507&action=pngf HTTP/1.1\r\nHost: t\r\n"
                                         "Connection: close\r\nIf-None-Match: " + first.Header("etag") + "\r\n\r\n");
  EXPECT_EQ(again.status, 304);
  const HttpReply other = service_->Get("/barcode?type=EAN-8&data=9638514&action=pngf");
  EXPECT_NE(other.Header("etag"), first.Header("etag"));
}

TEST_F(ServiceTest, BatchArchiveAndLabelStreamEqualTheCommandLinesCsvRun) {
  const std::string csv = "type,data\nEAN-8,9638507\nQRCode,Crème brûlée\nCode-128,Label 42\n";
  const std::string folder = FreshFolder("service-batch");
  WriteFile(folder + "/rows.csv", csv);
  const ProcessResult files =
      RunKbc({"-csv", folder + "/rows.csv", "-action", "pngf", "-output", folder + "/barcode-#.png"}, kDate);
  ASSERT_EQ(files.status, 0) << files.err;
  const HttpReply archive = service_->Post("/batch?action=pngf", "text/csv", csv);
  ASSERT_EQ(archive.status, 200) << archive.body;
  EXPECT_EQ(archive.Header("content-type"), "application/zip");
  const std::map<std::string, std::string> entries = ZipEntries(archive.body);
  ASSERT_EQ(entries.size(), 3u);
  for (const char* name : {"barcode-2.png", "barcode-3.png", "barcode-4.png"}) {
    EXPECT_EQ(entries.at(name), ReadFile(folder + "/" + name)) << name;
  }
  const ProcessResult stream =
      RunKbc({"-csv", folder + "/rows.csv", "-action", "zplf", "-output", folder + "/labels.zpl"}, kDate);
  ASSERT_EQ(stream.status, 0) << stream.err;
  const HttpReply labels = service_->Post("/batch?action=zplf", "text/csv", csv);
  EXPECT_EQ(labels.Header("content-type"), "application/zpl");
  EXPECT_EQ(labels.body, ReadFile(folder + "/labels.zpl"));
}

struct HostileCase {
  const char* name;
  std::string request;
  int status;
};

// gtest names a case by its name instead of dumping the record's bytes.
void PrintTo(const HostileCase& c, std::ostream* out) { *out << c.name; }

std::string Get(const std::string& target) { return "GET " + target + " HTTP/1.1\r\nHost: t\r\nConnection: close\r\n\r\n"; }

std::string Post(const std::string& target, const std::string& type, const std::string& body) {
  return "POST " + target + " HTTP/1.1\r\nHost: t\r\nConnection: close\r\nContent-Type: " + type +
         "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

std::string ManyHeaders() {
  std::string headers;
  for (int i = 0; i < 200; ++i) headers += "X-Padding-" + std::to_string(i) + ": " + std::string(100, 'p') + "\r\n";
  return "GET /healthz HTTP/1.1\r\nHost: t\r\n" + headers + "\r\n";
}

std::string ChunkedBody(std::size_t chunks) {
  std::string body = "POST /batch?action=svgf HTTP/1.1\r\nHost: t\r\nConnection: close\r\nTransfer-Encoding: chunked\r\n\r\n";
  for (std::size_t i = 0; i < chunks; ++i) body += "10000\r\n" + std::string(0x10000, 'a') + "\r\n";
  return body + "0\r\n\r\n";
}

const std::string kEan = "type=EAN-13&data=590123412345";

const HostileCase kHostileCases[] = {
    {"LongRequestLine", Get("/barcode?data=" + std::string(20000, '1')), 414},
    {"ManyHeaders", ManyHeaders(), 431},
    {"AnnouncedBodyTooLong", "POST /batch HTTP/1.1\r\nHost: t\r\nContent-Length: 5000000\r\n\r\n", 413},
    {"ChunkedBodyTooLong", ChunkedBody(20), 413},
    {"MalformedEscape", Get("/barcode?" + kEan + "&action=pngf&disp=%zz"), 400},
    {"TruncatedEscape", Get("/barcode?" + kEan + "&action=pngf&disp=%4"), 400},
    {"NulByte", Get("/barcode?" + kEan + "&action=pngf&disp=a%00"), 400},
    {"UnknownRoute", Get("/admin"), 404},
    {"WrongMethod", "DELETE /barcode HTTP/1.1\r\nHost: t\r\nConnection: close\r\n\r\n", 405},
    {"RunOption", Get("/barcode?" + kEan + "&action=pngf&batch=/etc/passwd"), 400},
    {"OptionWithDash", Get("/barcode?" + kEan + "&action=pngf&-scale=120"), 400},
    {"ClipAction", Get("/barcode?" + kEan + "&action=clip"), 400},
    {"UnknownType", Get("/barcode?type=EAN-31&data=1&action=pngf"), 400},
    {"NoAction", Get("/barcode?" + kEan), 400},
    {"UnknownFieldUnderStrict", Get("/barcode?" + kEan + "&action=pngf&strict=1&colour=red"), 400},
    {"RefusedData", Get("/barcode?type=EAN-13&data=abc&action=pngf"), 422},
    {"WarningUnderStrict", Get("/barcode?type=EAN-13&data=5901234123458&action=pngf&strict=1"), 422},
    {"DataTooLong", Get("/barcode?type=QRCode&action=svgf&data=" + std::string(9000, '7')), 413},
    {"BitmapTooLarge", Get("/barcode?type=QRCode&action=pngf&dpi=900&scale=150&data=" + std::string(300, '7')), 413},
    {"UnsupportedBody", Post("/barcode", "text/plain", kEan), 415},
    {"BrokenJson", Post("/barcode", "application/json", "{\"type\":"), 400},
    {"JsonArray", Post("/barcode", "application/json", "[1,2]"), 400},
    {"CsvUnknownColumn", Post("/batch?action=svgf", "text/csv", "type,colour\nEAN-8,red\n"), 400},
    {"CsvRowRefused", Post("/batch?action=svgf", "text/csv", "type,data\nEAN-8,9638507\nEAN-13,abc\n"), 422},
    {"CsvOutputClimbsOut", Post("/batch?action=svgf", "text/csv", "data,output\n9638507,..\n"), 400},
};

class HostileRequestTest : public ServiceTest, public testing::WithParamInterface<HostileCase> {};

TEST_P(HostileRequestTest, GetsItsStatus) {
  const HttpReply reply = service_->Send(GetParam().request);
  EXPECT_EQ(reply.status, GetParam().status) << reply.body;
  // Refusals the service words itself say why, as JSON.
  if (reply.status != 414 && reply.status != 431 && reply.status != 413) {
    EXPECT_NE(reply.body.find("\"reason\":"), std::string::npos) << reply.body;
  }
  EXPECT_EQ(service_->Get("/healthz").status, 200);
}

INSTANTIATE_TEST_SUITE_P(Hostile, HostileRequestTest, testing::ValuesIn(kHostileCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ServiceLimitsTest, SlowClientIsDisconnectedAndOthersAreServed) {
  ServiceProcess service({"-threads", "1", "-timeout", "1"});
  const HttpConnection slow(service.Port());
  slow.Write("GET /healthz HTTP/1.1\r\nHost: t\r\nX-Slow: ");
  const HttpReply dropped = slow.ReadToClose();
  EXPECT_TRUE(dropped.closedByServer);
  EXPECT_EQ(dropped.status, 0);
  EXPECT_EQ(service.Get("/healthz").status, 200);
}

TEST(ServiceLimitsTest, FullQueueAnswers503WithRetryAfter) {
  ServiceProcess service({"-threads", "1", "-queue", "1"});
  // A batch that keeps the one worker busy while the other requests arrive.
  std::string rows = "data\n";
  for (int i = 0; i < 100; ++i) rows += std::string(400, char('0' + i % 10)) + "\n";
  const HttpConnection busy(service.Port());
  busy.Write(Post("/batch?type=QRCode&action=pngf&dpi=600", "text/csv", rows));
  while (service.Get("/metrics").body.find("kbc_workers_busy 1") == std::string::npos) {
  }
  std::vector<std::unique_ptr<HttpConnection>> waiting;
  for (int i = 0; i < 4; ++i) {
    waiting.push_back(std::make_unique<HttpConnection>(service.Port()));
    waiting.back()->Write(Get("/barcode?" + kEan + "&action=svgf"));
  }
  EXPECT_EQ(busy.ReadToClose().status, 200);
  int refused = 0;
  for (const auto& connection : waiting) {
    const HttpReply reply = connection->ReadToClose();
    ASSERT_TRUE(reply.status == 200 || reply.status == 503) << reply.status;
    if (reply.status == 503) {
      ++refused;
      EXPECT_EQ(reply.Header("retry-after"), "1");
    }
  }
  EXPECT_GE(refused, 1);
}

TEST(ServiceLimitsTest, SigtermFinishesTheRequestUnderWayAndExitsZero) {
  ServiceProcess service({"-threads", "1"});
  const std::string body = kEan + "&action=pngf";
  const HttpConnection connection(service.Port());
  connection.Write("POST /barcode HTTP/1.1\r\nHost: t\r\nContent-Type: application/x-www-form-urlencoded\r\n"
                   "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body.substr(0, 10));
  // The request is under way once its request line is read: the gauge then counts it beside /metrics' own.
  while (service.Get("/metrics").body.find("kbc_requests_in_flight 2") == std::string::npos) {
  }
  service.Signal(SIGTERM);
  while (service.Log().find("draining") == std::string::npos) {
  }
  connection.Write(body.substr(10));
  const HttpReply reply = connection.ReadToClose();
  EXPECT_EQ(reply.status, 200);
  EXPECT_EQ(reply.Header("content-type"), "image/png");
  EXPECT_EQ(service.Wait(), 0);
}

TEST(ServiceLimitsTest, MetricsCountRequestsByRouteAndStatus) {
  ServiceProcess service({"-threads", "1"});
  service.Get("/barcode?" + kEan + "&action=svgf");
  service.Get("/nowhere");
  const std::string metrics = service.Get("/metrics").body;
  EXPECT_NE(metrics.find("kbc_http_requests_total{route=\"/barcode\",status=\"200\"} 1"), std::string::npos) << metrics;
  EXPECT_NE(metrics.find("kbc_http_requests_total{route=\"other\",status=\"404\"} 1"), std::string::npos) << metrics;
  EXPECT_NE(metrics.find("kbc_http_request_duration_seconds_count 2"), std::string::npos) << metrics;
  EXPECT_NE(service.Log().find("\"GET /nowhere\" 404 "), std::string::npos);
}

}  // namespace
}  // namespace kbc::test
