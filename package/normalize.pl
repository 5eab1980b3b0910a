#!/usr/bin/perl
# Two fixes that make a release file depend on its sources alone, each in place:
#
#   normalize.pl chm-time <file.chm> <unix time>
#       chmcmd writes the time of day it ran (milliseconds since midnight) twice: in
#       the ITSF header (big-endian) and as entry 10 of the #SYSTEM file (little-
#       endian). Both get the given time's instead.
#   normalize.pl pe-checksum <file.exe>
#       Pads the file with zeros to a multiple of eight bytes and writes the PE
#       checksum into the optional header, as osslsigncode does when it signs: a
#       signed file with its signature removed is then the unsigned file again, and
#       a signature attached later covers the same bytes as one made here.
use strict;
use warnings;

my ($command, $path, $time) = @ARGV;
die "usage: normalize.pl chm-time FILE TIME | pe-checksum FILE\n" unless defined $path;
open(my $in, '<:raw', $path) or die "$path: $!\n";
my $data = do { local $/; <$in> };
close $in;

if ($command eq 'chm-time') {
    die "$path: a time in seconds since 1970 is needed\n" unless defined $time && $time =~ /^\d+$/;
    chm_time(\$data, ($time % 86400) * 1000);
} elsif ($command eq 'pe-checksum') {
    pe_checksum(\$data);
} else {
    die "unknown command $command\n";
}
open(my $out, '>:raw', $path) or die "$path: $!\n";
print $out $data;
close $out or die "$path: $!\n";

sub fail { die "$path: $_[0]\n" }

# A CHM's variable-length number: seven bits a byte, the high bit says "more".
sub encint {
    my ($d, $pos) = @_;
    my $value = 0;
    while (1) {
        fail('directory entry runs past the end') if $pos >= length $$d;
        my $byte = ord substr($$d, $pos++, 1);
        $value = ($value << 7) | ($byte & 0x7f);
        return ($value, $pos) unless $byte & 0x80;
    }
}

sub chm_time {
    my ($d, $millis) = @_;
    fail('not an ITSF version 3 file') unless substr($$d, 0, 4) eq 'ITSF' && unpack('V', substr($$d, 4, 4)) == 3;
    substr($$d, 0x10, 4) = pack('N', $millis);

    my $directory = unpack('Q<', substr($$d, 0x48, 8));
    my $content = unpack('Q<', substr($$d, 0x58, 8));
    fail('no ITSP directory') unless substr($$d, $directory, 4) eq 'ITSP';
    my $chunk_size = unpack('V', substr($$d, $directory + 0x10, 4));
    my $chunks = unpack('V', substr($$d, $directory + 0x2C, 4));
    my $first_chunk = $directory + unpack('V', substr($$d, $directory + 8, 4));
    for my $n (0 .. $chunks - 1) {
        my $chunk = $first_chunk + $n * $chunk_size;
        next unless substr($$d, $chunk, 4) eq 'PMGL';
        my $end = $chunk + $chunk_size - unpack('V', substr($$d, $chunk + 4, 4));
        my $pos = $chunk + 0x14;
        while ($pos < $end) {
            my ($name_length, $section, $offset, $length);
            ($name_length, $pos) = encint($d, $pos);
            my $name = substr($$d, $pos, $name_length);
            $pos += $name_length;
            ($section, $pos) = encint($d, $pos);
            ($offset, $pos) = encint($d, $pos);
            ($length, $pos) = encint($d, $pos);
            next unless $name eq '/#SYSTEM';
            fail('#SYSTEM is compressed') unless $section == 0;
            my $record = $content + $offset + 4;  # after the #SYSTEM version
            my $system_end = $content + $offset + $length;
            while ($record + 4 <= $system_end) {
                my ($code, $size) = unpack('vv', substr($$d, $record, 4));
                if ($code == 10 && $size == 4) {
                    substr($$d, $record + 4, 4) = pack('V', $millis);
                    return;
                }
                $record += 4 + $size;
            }
            fail('#SYSTEM has no time entry');
        }
    }
    fail('no #SYSTEM file in the directory');
}

sub pe_checksum {
    my ($d) = @_;
    fail('not an MZ file') unless substr($$d, 0, 2) eq 'MZ';
    my $pe = unpack('V', substr($$d, 0x3C, 4));
    fail('no PE header') unless substr($$d, $pe, 4) eq "PE\0\0";
    my $field = $pe + 24 + 64;  # CheckSum in the optional header, PE32 and PE32+ alike
    $$d .= "\0" x ((8 - length($$d) % 8) % 8);
    substr($$d, $field, 4) = "\0\0\0\0";
    my $sum = 0;
    for my $word (unpack('v*', $$d)) {
        $sum += $word;
        $sum = ($sum & 0xffff) + ($sum >> 16);
    }
    $sum = (($sum & 0xffff) + ($sum >> 16)) & 0xffff;
    substr($$d, $field, 4) = pack('V', $sum + length $$d);
}
