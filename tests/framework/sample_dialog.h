#pragma once

#include "framework/cdialog.h"
#include "framework/data_exchange.h"
#include "framework/ip_address_ctrl.h"
#include "tests/framework/sample_ids.h"

#include <string>
#include <vector>

namespace tqr::test {

// A dialog over the sample form with one member per kind of exchange.
class SampleDialog : public fw::CDialog {
  public:
    SampleDialog() : CDialog(sample_ids::register_sample_form())
    {
        on_clicked(sample_ids::kAct, [this] { log.push_back("act"); });
        on_text_changed(sample_ids::kNumber, [this] { log.push_back("text20"); });
        on_selection_changed(sample_ids::kChoice, [this] { log.push_back("list40"); });
        on_clicked(sample_ids::kFirst, [this] { log.push_back("radio10"); });
    }

    int mode = 1;
    int number = 7;
    std::string name = "abc";
    unsigned count = 3;
    int flag = 1;
    int choice = 2;
    std::string secret = "12";
    fw::CIPAddressCtrl ip;
    std::vector<std::string> log;
    int init_calls = 0;

  protected:
    void exchange_data(fw::CDataExchange& dx) override
    {
        fw::DDX_Control(dx, sample_ids::kAddress, ip);
        fw::DDX_Radio(dx, sample_ids::kFirst, mode);
        fw::DDX_Text(dx, sample_ids::kNumber, number);
        fw::DDV_MinMaxInt(dx, number, -5, 50);
        fw::DDX_Text(dx, sample_ids::kName, name);
        fw::DDV_MaxChars(dx, name, 5);
        fw::DDX_Text(dx, sample_ids::kCount, count);
        fw::DDV_MinMaxUInt(dx, count, 1, 10);
        fw::DDX_Check(dx, sample_ids::kFlag, flag);
        fw::DDX_CBIndex(dx, sample_ids::kChoice, choice);
        fw::DDX_Text(dx, sample_ids::kSecret, secret);
    }
    bool on_init() override
    {
        ++init_calls;
        return true;
    }
};

} // namespace tqr::test
