# Sourced by the end-to-end scripts that ring alarms.

# write_alarm FILE HOUR MINUTE FOLDER [START_DAY [STAYS_ON]]: FILE holds one enabled daily alarm
# "Coffee" at HOUR:MINUTE from START_DAY (YYYY-MM-DD, default today), showing FOLDER/WakeUp.jpg and
# playing FOLDER/Chime.wav for its length, or for STAYS_ON minutes (9999: until answered): the
# 672-byte record, field by field.
write_alarm() {
    perl -MTime::Local -e '
        my ($file, $hour, $minute, $folder, $day, $stays) = @ARGV;
        my ($y, $m, $d);
        if ($day) { ($y, $m, $d) = split /-/, $day; $m -= 1; }
        else { my @t = localtime; ($y, $m, $d) = ($t[5], $t[4], $t[3]); }
        my $start = int(timegm(0, 0, 0, $d, $m, $y) / 86400) + 25569;
        my $text = sub { my ($s, $n) = @_; pack("C a$n", length($s), $s) };
        my $record = pack("C x7 d< l< x4 d< d< C C x2 l< d< l< x4 d< a8 C x3 l< l< l< a13",
                          1, 0, 1, ($hour * 60 + $minute) / 1440, 0, 0, 0, 1, $start, 1, 0,
                          "F" x 8, 0, 1, 1, 1, "F" x 13)
            . $text->("Coffee", 12) . $text->("$folder/WakeUp.jpg", 180)
            . $text->("$folder/Chime.wav", 180) . $text->("", 180) . pack("C C x l<", 1, 1, $stays || 0);
        length($record) == 672 or die "record of " . length($record) . " bytes\n";
        open(my $out, ">:raw", $file) or die "$file: $!\n";
        print $out $record;
    ' "$@"
}

alarm_window() { xdotool search --onlyvisible --name '^Your alarm is on' 2>/dev/null | head -1; }
