#include "cli/phenomena_output.h"

#include <cstdio>
#include <iostream>

#include "cli/output_format.h"
#include "cli/table_stream.h"

namespace skycalc {

namespace {

constexpr int kExitRejected = 2;

std::string ValueOrNull(const PhenomenaRow& row) {
  return row.figure.empty() ? "null" : FormatJsonNumber(row.event.value);
}

std::string UnitOrNull(const PhenomenaRow& row) {
  return row.figure.empty() ? "null" : FormatJsonString(row.unitKey);
}

}  // namespace

void AppendPhenomenonText(std::string& out, const PhenomenaRow& row) {
  out += row.date + '\t' + row.time + '\t' + row.name + '\t' + row.body + '\t' + row.figure + '\t' + row.detail +
         '\t' + row.meaning + '\n';
}

void AppendPhenomenonJson(std::string& out, const PhenomenaRow& row) {
  out += "{\"jd\":" + FormatJsonNumber(row.event.jdUtc) + ",\"date\":" + FormatJsonString(row.date) +
         ",\"time\":" + FormatJsonString(row.time) + ",\"kind\":" + FormatJsonString(row.kindKey) +
         ",\"body\":" + FormatJsonString(row.body) + ",\"name\":" + FormatJsonString(row.name) +
         ",\"value\":" + ValueOrNull(row) + ",\"unit\":" + UnitOrNull(row) +
         ",\"detail\":" + FormatJsonString(row.detail) + "}\n";
}

std::string PhenomenaCsvHeader() { return "jd,date,time,kind,body,name,value,unit,detail\n"; }

void AppendPhenomenonCsv(std::string& out, const PhenomenaRow& row) {
  out += FormatJsonNumber(row.event.jdUtc) + ',' + row.date + ',' + row.time + ',' + row.kindKey + ',' +
         FormatCsvField(row.body) + ',' + FormatCsvField(row.name) + ',' +
         (row.figure.empty() ? std::string() : FormatJsonNumber(row.event.value)) + ',' + row.unitKey + ',' +
         FormatCsvField(row.detail) + '\n';
}

int WritePhenomena(int year, int zoneMinutes, std::int64_t count, unsigned groups, CliFormat format,
                   bool showProgress) {
  if (year < phenomena::kFirstYear || count > phenomena::kLastYear - year + 1) {  // every year, before any is written
    std::cerr << phenomena::kYearsMessage << "\n";
    return kExitRejected;
  }
  StreamWriter out(stdout);
  TableProgress progress(count, showProgress);
  if (format == CliFormat::kCsv) out.Buffer() += PhenomenaCsvHeader();
  for (std::int64_t i = 0; i < count; ++i) {
    const PhenomenaListResult result = ListPhenomena({static_cast<std::int32_t>(year + i), 1, zoneMinutes, groups});
    for (const PhenomenaRow& row : result.rows) {
      switch (format) {
        case CliFormat::kText: AppendPhenomenonText(out.Buffer(), row); break;
        case CliFormat::kJson: AppendPhenomenonJson(out.Buffer(), row); break;
        case CliFormat::kCsv: AppendPhenomenonCsv(out.Buffer(), row); break;
      }
      out.Commit();
    }
    out.Flush();  // a year at a time
    std::fflush(stdout);
    progress.Update(i + 1);
  }
  progress.Finish();
  return 0;
}

}  // namespace skycalc
