// lite-vendor-services: plays every web service of the vendor on 127.0.0.1
// for tests, the demo and the benchmarks. See --help.
#include <httplib.h>
#include <signal.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <thread>

#include "tools/vendor_services/fault_table.h"
#include "tools/vendor_services/journal.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using vendor_services::Fault;

constexpr char kHelp[] =
    R"(usage: lite-vendor-services --port PORT --data DIR --journal FILE [--fault FAULT]...

Plays the vendor's web services on 127.0.0.1:PORT and prints
"listening on 127.0.0.1:PORT" when ready. Stops cleanly on SIGTERM or SIGINT.

Services:
  GET  /<path>                    the download CDN and every other static answer:
                                  DIR/<path>, with Range requests (206) and
                                  Content-Length; the query is ignored. A file
                                  DIR/<path>.headers adds its "Name: value" lines
                                  to the answer (seeds carry X-Seed-Signature,
                                  Last-Modified and X-Country this way).
  GET  /installstats/send/...     statistics service: 200, empty; each "/"
                                  segment is journaled, "vars=" decoded
  GET  /get/browser/install       statistics storage: 200, empty
  POST /submit                    crash reports (chunked, gzip, multipart):
                                  fields journaled, files stored under
                                  DIR/_received/ (also with a status or
                                  stall fault, which delay or change the
                                  answer only)
  GET  /_control/fault?fault=F    adds fault F while running (F URL-encoded)
  GET  /_control/reset            back to the faults given on the command line

Faults (--fault or /_control/fault), each PATH_PREFIX:KIND[=ARG][,count=N]:
  drop=N          close the connection after N body bytes
  status=CODE     answer with that status and no body
  stall=SECONDS   send the headers, then nothing for SECONDS
  rate=BYTES      send at most BYTES per second
  redirect=URL    answer 302 with Location URL
  omit-header=H   leave header H out of the answer
  ignore-range    answer 200 with the whole file even to a Range request
  no-length       send the body chunked, without Content-Length
  count=N         apply to the next N matching requests only (default: all)

Journal: one JSON object per line for every request: method, path, query,
selected headers (every Accept line), range, status, bytes sent, the faults
applied, and what was decoded from it.
)";

std::atomic<bool> g_stopping{false};
httplib::Server* g_server = nullptr;

void OnSignal(int) {
  g_stopping = true;
  if (g_server)
    g_server->stop();
}

// Sleeps up to |seconds| unless the server is stopping.
void InterruptibleSleep(double seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (!g_stopping && std::chrono::steady_clock::now() < end)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

json RequestRecord(const httplib::Request& req) {
  json record;
  record["method"] = req.method;
  record["path"] = req.path;
  json query = json::object();
  for (const auto& [key, value] : req.params)
    query[key] = value;
  record["query"] = query;
  json headers = json::object();
  for (const auto& [name, value] : req.headers) {
    if (name == "REMOTE_ADDR" || name == "REMOTE_PORT" || name == "LOCAL_ADDR" ||
        name == "LOCAL_PORT")
      continue;
    headers[name].push_back(value);
  }
  record["headers"] = headers;
  record["range"] = req.has_header("Range") ? json(req.get_header_value("Range")) : json();
  return record;
}

json FaultNames(const std::vector<Fault>& faults) {
  json names = json::array();
  for (const Fault& fault : faults)
    names.push_back(std::string(vendor_services::FaultKindName(fault.kind)) +
                    (fault.text.empty() && fault.number == 0
                         ? ""
                         : "=" + (fault.text.empty() ? std::to_string(fault.number) : fault.text)));
  return names;
}

const Fault* Find(const std::vector<Fault>& faults, Fault::Kind kind) {
  for (const Fault& fault : faults) {
    if (fault.kind == kind)
      return &fault;
  }
  return nullptr;
}

std::string UrlDecode(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() &&
        std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
        std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
      out.push_back(static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16)));
      i += 2;
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

// "/installstats/send/a=1/vars=k1=v1,k2=v2" -> segments and the decoded vars.
json DecodeStatistics(const std::string& path) {
  json decoded;
  json segments = json::array();
  std::stringstream stream(path.substr(std::string("/installstats/send/").size()));
  std::string segment;
  while (std::getline(stream, segment, '/')) {
    segments.push_back(UrlDecode(segment));
    if (segment.rfind("vars=", 0) == 0) {
      json vars = json::object();
      std::stringstream items(segment.substr(5));
      std::string item;
      while (std::getline(items, item, ',')) {
        const size_t equals = item.find('=');
        // Each item is "-key=value".
        std::string key = UrlDecode(item.substr(0, equals));
        if (!key.empty() && key[0] == '-')
          key.erase(0, 1);
        vars[key] = equals == std::string::npos ? "" : UrlDecode(item.substr(equals + 1));
      }
      decoded["vars"] = vars;
    }
  }
  decoded["segments"] = segments;
  return decoded;
}

struct Services {
  fs::path data;
  vendor_services::Journal* journal;
  vendor_services::FaultTable faults;
  std::atomic<uint64_t> received{0};

  // Answers a GET of a static file, with the faults that apply.
  void ServeFile(const httplib::Request& req, httplib::Response& res) {
    json record = RequestRecord(req);
    const std::vector<Fault> applied = faults.Take(req.path);
    record["faults"] = FaultNames(applied);

    if (const Fault* redirect = Find(applied, Fault::Kind::kRedirect)) {
      res.status = 302;
      res.set_header("Location", redirect->text);
      record["status"] = 302;
      journal->Append(record);
      return;
    }
    if (const Fault* status = Find(applied, Fault::Kind::kStatus)) {
      res.status = static_cast<int>(status->number);
      record["status"] = res.status;
      journal->Append(record);
      return;
    }

    const fs::path relative = fs::path(req.path).relative_path().lexically_normal();
    const fs::path file = data / relative;
    std::error_code error;
    if (relative.empty() || *relative.begin() == ".." || !fs::is_regular_file(file, error)) {
      res.status = 404;
      record["status"] = 404;
      journal->Append(record);
      return;
    }
    const uint64_t size = fs::file_size(file, error);

    // Sidecar headers, less the omitted ones.
    std::ifstream sidecar(file.string() + ".headers");
    std::string line;
    while (std::getline(sidecar, line)) {
      if (!line.empty() && line.back() == '\r')
        line.pop_back();
      const size_t colon = line.find(':');
      if (colon == std::string::npos)
        continue;
      const std::string name = line.substr(0, colon);
      bool omitted = false;
      for (const Fault& fault : applied)
        omitted |= fault.kind == Fault::Kind::kOmitHeader && fault.text == name;
      if (!omitted)
        res.set_header(name.c_str(), line.substr(line.find_first_not_of(' ', colon + 1)));
    }

    if (Find(applied, Fault::Kind::kIgnoreRange)) {
      // The library slices the body by the request's ranges whatever the
      // status; a server that ignores Range must forget them.
      const_cast<httplib::Request&>(req).ranges.clear();
      res.status = 200;
    }
    const uint64_t drop_after =
        Find(applied, Fault::Kind::kDrop) ? Find(applied, Fault::Kind::kDrop)->number : UINT64_MAX;
    const double stall = Find(applied, Fault::Kind::kStall)
                             ? static_cast<double>(Find(applied, Fault::Kind::kStall)->number)
                             : 0;
    const uint64_t rate =
        Find(applied, Fault::Kind::kRate) ? Find(applied, Fault::Kind::kRate)->number : 0;

    if (Find(applied, Fault::Kind::kNoLength)) {
      const_cast<httplib::Request&>(req).ranges.clear();
      auto whole = std::make_shared<std::ifstream>(file, std::ios::binary);
      auto total = std::make_shared<uint64_t>(0);
      res.set_chunked_content_provider(
          "application/octet-stream",
          [whole, total](size_t, httplib::DataSink& sink) {
            char buffer[16384];
            whole->read(buffer, sizeof(buffer));
            const size_t got = static_cast<size_t>(whole->gcount());
            if (got == 0) {
              sink.done();
              return true;
            }
            *total += got;
            return sink.write(buffer, got);
          },
          [=, journal = journal](bool success) mutable {
            record["status"] = 200;
            record["bytes_sent"] = *total;
            record["complete"] = success;
            journal->Append(record);
          });
      return;
    }

    auto stream = std::make_shared<std::ifstream>(file, std::ios::binary);
    auto sent = std::make_shared<uint64_t>(0);
    auto first = std::make_shared<bool>(true);
    const auto start = std::chrono::steady_clock::now();
    res.set_content_provider(
        size, "application/octet-stream",
        [=](size_t offset, size_t length, httplib::DataSink& sink) {
          if (*first) {
            *first = false;
            if (stall > 0)
              InterruptibleSleep(stall);
          }
          if (g_stopping)
            return false;
          char buffer[16384];
          size_t chunk = std::min(length, sizeof(buffer));
          if (*sent >= drop_after)
            return false;
          chunk = static_cast<size_t>(std::min<uint64_t>(chunk, drop_after - *sent));
          if (rate > 0) {
            const double due = static_cast<double>(*sent + chunk) / static_cast<double>(rate);
            const double elapsed =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            if (due > elapsed)
              InterruptibleSleep(due - elapsed);
          }
          stream->seekg(static_cast<std::streamoff>(offset));
          stream->read(buffer, static_cast<std::streamsize>(chunk));
          const size_t got = static_cast<size_t>(stream->gcount());
          if (got == 0 || !sink.write(buffer, got))
            return false;
          *sent += got;
          return true;
        },
        [=, journal = journal](bool success) mutable {
          record["status"] = res.status == -1 ? (req.ranges.empty() ? 200 : 206) : res.status;
          record["bytes_sent"] = *sent;
          record["complete"] = success;
          record["size"] = size;
          journal->Append(record);
        });
  }
};

}  // namespace

int main(int argc, char** argv) {
  int port = 0;
  std::string data_dir;
  std::string journal_path;
  std::vector<std::string> fault_texts;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&]() -> std::string { return i + 1 < argc ? argv[++i] : std::string(); };
    if (arg == "--help" || arg == "-h") {
      std::cout << kHelp;
      return 0;
    } else if (arg == "--port") {
      port = std::atoi(value().c_str());
    } else if (arg == "--data") {
      data_dir = value();
    } else if (arg == "--journal") {
      journal_path = value();
    } else if (arg == "--fault") {
      fault_texts.push_back(value());
    } else {
      std::cerr << "lite-vendor-services: unknown argument " << arg << "\n" << kHelp;
      return 2;
    }
  }
  if (port <= 0 || port > 65535 || data_dir.empty() || journal_path.empty()) {
    std::cerr << kHelp;
    return 2;
  }

  vendor_services::Journal journal(journal_path);
  if (!journal.ok()) {
    std::cerr << "lite-vendor-services: cannot open journal " << journal_path << "\n";
    return 1;
  }
  Services services;
  services.data = data_dir;
  services.journal = &journal;
  // The standing faults: those of the command line, which a reset restores.
  std::vector<Fault> standing_faults;
  for (const std::string& text : fault_texts) {
    std::string error;
    auto fault = vendor_services::ParseFault(text, &error);
    if (!fault) {
      std::cerr << "lite-vendor-services: " << text << ": " << error << "\n";
      return 2;
    }
    standing_faults.push_back(*fault);
    services.faults.Add(*fault);
  }

  httplib::Server server;
  server.new_task_queue = [] { return new httplib::ThreadPool(16); };
  server.Get("/_control/fault", [&](const httplib::Request& req, httplib::Response& res) {
    std::string error;
    auto fault = vendor_services::ParseFault(req.get_param_value("fault"), &error);
    if (!fault) {
      res.status = 400;
      res.set_content(error, "text/plain");
      return;
    }
    services.faults.Add(*fault);
    res.set_content("ok", "text/plain");
  });
  server.Get("/_control/reset", [&](const httplib::Request&, httplib::Response& res) {
    services.faults.Clear();
    for (const Fault& fault : standing_faults)
      services.faults.Add(fault);
    res.set_content("ok", "text/plain");
  });
  server.Get(R"(/installstats/send/.*)", [&](const httplib::Request& req, httplib::Response& res) {
    json record = RequestRecord(req);
    record["service"] = "statistics";
    // The raw target: the decoded path would turn an escaped "/" inside a
    // value into a segment break.
    record["decoded"] = DecodeStatistics(req.target.substr(0, req.target.find('?')));
    const std::vector<Fault> applied = services.faults.Take(req.path);
    record["faults"] = FaultNames(applied);
    if (const Fault* stall = Find(applied, Fault::Kind::kStall))
      InterruptibleSleep(static_cast<double>(stall->number));
    record["status"] = 200;
    journal.Append(record);
    res.status = 200;
  });
  server.Get("/get/browser/install", [&](const httplib::Request& req, httplib::Response& res) {
    json record = RequestRecord(req);
    record["service"] = "storage";
    record["status"] = 200;
    journal.Append(record);
    res.status = 200;
  });
  // Crash reports: the library undoes the chunked transfer and the gzip
  // encoding; the multipart parts arrive one by one.
  server.Post("/submit", [&](const httplib::Request& req, httplib::Response& res,
                             const httplib::ContentReader& content_reader) {
    struct Part {
      std::string name;
      std::string filename;
      std::string content;
    };
    std::vector<Part> parts;
    std::string raw;
    if (req.is_multipart_form_data()) {
      content_reader(
          [&](const httplib::MultipartFormData& header) {
            parts.push_back({header.name, header.filename, std::string()});
            return true;
          },
          [&](const char* data, size_t length) {
            parts.back().content.append(data, length);
            return true;
          });
    } else {
      content_reader([&](const char* data, size_t length) {
        raw.append(data, length);
        return true;
      });
    }
    json record = RequestRecord(req);
    record["service"] = "crash";
    record["chunked"] = req.get_header_value("Transfer-Encoding") == "chunked";
    record["gzip"] = req.get_header_value("Content-Encoding") == "gzip";
    record["multipart"] = req.is_multipart_form_data();
    const fs::path dir = services.data / "_received";
    std::error_code error;
    fs::create_directories(dir, error);
    const std::string stem = "crash-" + std::to_string(++services.received);
    json fields = json::object();
    json files = json::object();
    for (const Part& part : parts) {
      if (part.filename.empty()) {
        fields[part.name] = part.content;
        continue;
      }
      const fs::path stored = dir / (stem + "-" + part.name + ".bin");
      std::ofstream(stored, std::ios::binary) << part.content;
      files[part.name] = {
          {"filename", part.filename}, {"size", part.content.size()}, {"stored", stored.string()}};
    }
    record["fields"] = fields;
    record["files"] = files;
    record["other_body_size"] = raw.size();
    // The upload is stored whatever the faults say, so that a test can
    // compare what arrived with the dump the client kept.
    const std::vector<Fault> applied = services.faults.Take(req.path);
    record["faults"] = FaultNames(applied);
    const bool taken = !files.empty();
    int status = taken ? 200 : 400;
    if (const Fault* fault = Find(applied, Fault::Kind::kStatus))
      status = static_cast<int>(fault->number);
    record["status"] = status;
    journal.Append(record);
    if (const Fault* stall = Find(applied, Fault::Kind::kStall))
      InterruptibleSleep(static_cast<double>(stall->number));
    res.status = status;
    res.set_content(status == 200 ? "ok"
                    : taken       ? "refused"
                                  : "no dump in the upload",
                    "text/plain");
  });
  server.Get(R"(/.*)", [&](const httplib::Request& req, httplib::Response& res) {
    services.ServeFile(req, res);
  });

  g_server = &server;
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  signal(SIGPIPE, SIG_IGN);

  if (!server.bind_to_port("127.0.0.1", port)) {
    std::cerr << "lite-vendor-services: cannot listen on 127.0.0.1:" << port << "\n";
    return 1;
  }
  std::cout << "listening on 127.0.0.1:" << port << std::endl;
  server.listen_after_bind();
  return 0;
}
